#include "help_html.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fluac_lua {

namespace {

constexpr long kMostColumns = 200;  // FLTK's MAX_COLUMNS

bool starts_tag(std::string_view html, size_t at, std::string_view name) {
    if (at + 1 + name.size() > html.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(html[at + 1 + i])) != name[i]) return false;
    const size_t end = at + 1 + name.size();
    return end == html.size() || !std::isalnum(static_cast<unsigned char>(html[end]));
}

// The COLSPAN of the tag [begin, end), as FLTK reads it (atoi), or 1.
long colspan(std::string_view tag) {
    std::string lower(tag);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const size_t at = lower.find("colspan");
    if (at == std::string::npos) return 1;
    size_t i = at + 7;
    while (i < lower.size() && (std::isspace(static_cast<unsigned char>(lower[i])) || lower[i] == '='))
        ++i;
    if (i < lower.size() && (lower[i] == '"' || lower[i] == '\'')) ++i;
    return std::atol(lower.c_str() + i);
}

}  // namespace

const char* unsafe_html(std::string_view html) {
    // Columns used by the current row of each open table.
    std::vector<long> rows{0};
    for (size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const size_t end = std::min(html.find('>', at), html.size());
        if (starts_tag(html, at, "table")) {
            rows.push_back(0);
        } else if (starts_tag(html, at, "/table")) {
            if (rows.size() > 1) rows.pop_back();
        } else if (starts_tag(html, at, "tr")) {
            rows.back() = 0;
        } else if (starts_tag(html, at, "td") || starts_tag(html, at, "th")) {
            const long span = colspan(html.substr(at, end - at));
            if (span > kMostColumns) return "a cell spanning more than 200 columns";
            rows.back() += span > 1 ? span : 1;
            if (rows.back() > kMostColumns) return "a table row of more than 200 columns";
        }
    }
    return nullptr;
}

const char* unsafe_html_file(const char* path) {
    std::string name(path);
    if (const size_t hash = name.find('#'); hash != std::string::npos) name.resize(hash);
    std::ifstream in(name, std::ios::binary);
    if (!in) return nullptr;
    std::ostringstream text;
    text << in.rdbuf();
    return unsafe_html(text.str());
}

}  // namespace fluac_lua
