// Writes a large FLUID file for the benchmark: fluac_gen SHAPE BYTES SEED > FILE
//
// SHAPE is "widgets" (windows of groups of several hundred attributed widgets
// with Lua callbacks), "menus" (menu bars full of submenus and items) or "code"
// (groups dominated by long code items). The file stops at the first group
// boundary past BYTES. The same arguments always give the same bytes.
//
// Every file stays inside what fluac translates and what FLTK's designer reads:
// - the parser keeps lists on its stack until their closing brace, so no list
//   (items of a block, entries of a menu, tokens of a text) may grow long:
//   groups per window, widgets per group and tokens per text are all capped;
// - free text never holds an unbalanced brace, a "\" other than "\#", a bare
//   "#", or a word such as label or code directly followed by " {".
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr int kGroupsPerWindow = 400;   // two stack entries each
constexpr int kMaxTextTokens = 4000;    // one stack entry each

// splitmix64: fixed, portable, so a seed names one file everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int Between(int low, int high) {  // inclusive
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <class T, std::size_t N>
    const T& Pick(const T (&items)[N]) { return items[Next() % N]; }

private:
    std::uint64_t state_;
};

const char* const kWords[] = {
    "Apply", "Cancel", "Open", "Save", "Close", "Print", "Preview", "Settings", "Volume", "Width",
    "Height", "Colour", "Font", "Name", "Address", "Search", "Filter", "Results", "Status", "Level",
    "Speed", "Start", "Stop", "Pause", "Resume", "Next", "Previous", "First", "Last", "Help",
    "the", "current", "selected", "value", "of", "all", "new", "file", "window", "item",
};
const char* const kNames[] = {
    "count", "total", "items", "state", "value", "limit", "name", "text", "index", "level",
    "row", "col", "scale", "offset", "delta", "result", "entry", "flag", "mode", "size",
};
const char* const kBoxes[] = {"FLAT_BOX", "UP_BOX", "DOWN_BOX", "THIN_UP_BOX", "THIN_DOWN_BOX",
                              "ENGRAVED_BOX", "EMBOSSED_BOX", "BORDER_BOX", "NO_BOX"};
const char* const kDownBoxes[] = {"DOWN_BOX", "THIN_DOWN_BOX", "ROUND_DOWN_BOX"};
const char* const kLabelTypes[] = {"NORMAL_LABEL", "ENGRAVED_LABEL", "EMBOSSED_LABEL", "SHADOW_LABEL"};

// How many tokens the scanner makes of a text: a run of word characters is
// one, every other byte is one.
int CountTokens(std::string_view text) {
    int tokens = 0;
    bool inWord = false;
    for (char c : text) {
        bool wordChar = (c >= 'A' && c <= 'z') || (c >= '0' && c <= '9');
        if (!wordChar || !inWord) ++tokens;
        inWord = wordChar;
    }
    return tokens;
}

class Generator {
public:
    Generator(std::uint64_t seed, long long target) : random_(seed), target_(target) {}

    void Run(std::string_view shape) {
        Header();
        int window = 0;
        while (Size() < target_) {
            Line(1, "Fl_Window window_" + std::to_string(window) + " {");
            Line(2, "label {" + Words(1, 4) + "} open");
            Line(2, "xywh {" + Rect() + "} type Double resizable");
            Line(2, "size_range {200 150 0 0} visible");
            Line(1, "} {");
            for (int g = 0; g < kGroupsPerWindow && Size() < target_; ++g) {
                if (shape == "menus")
                    MenuBar(window, g);
                else
                    Group(window, g, shape == "code");
            }
            Line(1, "}");
            ++window;
        }
        Out("}\n");
        Flush();
    }

private:
    void Header() {
        Out("# data file for the Fltk User Interface Designer (fluid)\n"
            "version 1.0308\n"
            "header_name {.h}\n"
            "code_name {.cxx}\n"
            "Function {make_ui()} {open\n"
            "} {\n");
        Line(1, "code {app = {count = 0, names = {}}} {}");
    }

    void Group(int window, int group, bool codeHeavy) {
        std::string name = "g" + std::to_string(window) + "_" + std::to_string(group);
        Line(2, "Fl_Group " + name + " {open");
        Line(3, "xywh {" + Rect() + "}" + (random_.Chance(30) ? " box ENGRAVED_FRAME" : ""));
        Line(2, "} {");
        int widgets = codeHeavy ? random_.Between(20, 60) : random_.Between(200, 500);
        for (int i = 0; i < widgets; ++i) {
            std::string id = name + "_" + std::to_string(i);
            // A code item's text gets no newline after it when it ends a
            // list, so a widget closes every group.
            if (codeHeavy && i + 1 < widgets && random_.Chance(80))
                CodeItem(3);
            else
                Widget(3, id);
        }
        Line(2, "}");
    }

    void Widget(int depth, const std::string& id) {
        struct Class {
            const char* name;
            const char* prefix;
        };
        static const Class kClasses[] = {
            {"Fl_Button", "b"},       {"Fl_Check_Button", "c"}, {"Fl_Input", "i"},
            {"Fl_Output", "o"},       {"Fl_Value_Input", "v"},  {"Fl_Browser", "br"},
            {"Fl_Text_Display", "t"}, {"Fl_Box", "x"},          {"Fl_Slider", "s"},
            {"Fl_Light_Button", "l"},
        };
        const Class& cls = random_.Pick(kClasses);
        std::string name = std::string(cls.prefix) + id;
        std::string kind = cls.name;
        Line(depth, kind + " " + name + " {");
        Label(depth + 1, "label");
        if (kind != "Fl_Box" && random_.Chance(90)) Callback(depth + 1);
        if (random_.Chance(60)) Line(depth + 1, "tooltip {" + Words(3, 12) + "}");

        std::string attrs = "xywh {" + Rect() + "}";
        if (random_.Chance(70)) attrs += std::string(" box ") + random_.Pick(kBoxes);
        attrs += " labelsize " + std::to_string(random_.Between(9, 24));
        if (random_.Chance(50)) attrs += " labelfont " + std::to_string(random_.Between(0, 15));
        if (random_.Chance(40)) attrs += " labelcolor " + std::to_string(random_.Between(0, 255));
        if (random_.Chance(40)) attrs += " color " + std::to_string(random_.Between(0, 255));
        if (random_.Chance(30)) attrs += " align " + std::to_string(random_.Between(0, 255));
        if (random_.Chance(20)) attrs += " when " + std::to_string(random_.Between(0, 15));
        Line(depth + 1, attrs);

        std::string more;
        if (kind == "Fl_Button" || kind == "Fl_Light_Button") {
            if (random_.Chance(30)) more += " type Toggle";
            if (random_.Chance(30)) more += " selection_color " + std::to_string(random_.Between(0, 255));
            if (random_.Chance(20)) more += std::string(" down_box ") + random_.Pick(kDownBoxes);
        } else if (kind == "Fl_Check_Button") {
            more += std::string(" down_box ") + random_.Pick(kDownBoxes);
            if (random_.Chance(50)) more += " value 1";
        } else if (kind == "Fl_Input" || kind == "Fl_Output" || kind == "Fl_Text_Display") {
            if (kind == "Fl_Input" && random_.Chance(30)) more += random_.Chance(50) ? " type Int" : " type Float";
            more += " textfont " + std::to_string(random_.Between(0, 15));
            more += " textsize " + std::to_string(random_.Between(9, 24));
            if (random_.Chance(40)) more += " textcolor " + std::to_string(random_.Between(0, 255));
        } else if (kind == "Fl_Value_Input" || kind == "Fl_Slider") {
            if (kind == "Fl_Slider") more += random_.Chance(50) ? " type Horizontal" : " type {Vert Knob}";
            more += " minimum " + std::to_string(random_.Between(-100, 0));
            more += " maximum " + std::to_string(random_.Between(1, 1000));
            more += " step " + std::to_string(random_.Between(0, 9)) + "." + std::to_string(random_.Between(1, 99));
            more += " value " + std::to_string(random_.Between(0, 50));
        } else if (kind == "Fl_Browser") {
            if (random_.Chance(60)) more += random_.Chance(50) ? " type Multi" : " type Hold";
            more += " textsize " + std::to_string(random_.Between(9, 24));
        } else if (kind == "Fl_Box") {
            more += std::string(" labeltype ") + random_.Pick(kLabelTypes);
        }
        if (random_.Chance(5)) more += " resizable";
        if (!more.empty()) Line(depth + 1, more.substr(1));
        if (random_.Chance(40)) Line(depth + 1, "code0 {" + name + ":labelsize(" + Number() + ")}");
        if (random_.Chance(15)) Line(depth + 1, "code1 {app.names[\"" + name + "\"] = " + name + "}");
        Line(depth, "}");
    }

    void MenuBar(int window, int bar) {
        std::string name = "mb" + std::to_string(window) + "_" + std::to_string(bar);
        Line(2, "Fl_Menu_Bar " + name + " {open");
        Line(3, "xywh {0 0 " + std::to_string(random_.Between(200, 900)) + " 25}" +
                    (random_.Chance(50) ? " box FLAT_BOX" : "") +
                    (random_.Chance(30) ? " labelsize " + Number() : ""));
        Line(2, "} {");
        int submenus = random_.Between(4, 12);
        for (int s = 0; s < submenus; ++s) Submenu(3, name + "_" + std::to_string(s), 2);
        Line(2, "}");
    }

    void Submenu(int depth, const std::string& name, int nesting) {
        Line(depth, "Submenu " + name + " {");
        Label(depth + 1, "label");
        Line(depth + 1, "xywh {0 0 " + std::to_string(random_.Between(40, 120)) + " 20}" +
                            (random_.Chance(30) ? " labelsize " + Number() : ""));
        Line(depth, "} {");
        int items = random_.Between(5, 30);
        for (int i = 0; i < items; ++i) {
            std::string id = name + "_" + std::to_string(i);
            if (nesting > 0 && random_.Chance(8))
                Submenu(depth + 1, "sm" + id, nesting - 1);
            else
                MenuItem(depth + 1, "mi" + id);
        }
        Line(depth, "}");
    }

    void MenuItem(int depth, const std::string& name) {
        Line(depth, "MenuItem " + name + " {");
        Label(depth + 1, "label");
        if (random_.Chance(85)) Callback(depth + 1);
        if (random_.Chance(30)) Line(depth + 1, "user_data {" + Words(1, 3) + "}");
        if (random_.Chance(20)) Line(depth + 1, "tooltip {" + Words(3, 10) + "}");
        std::string attrs = "xywh {0 0 " + std::to_string(random_.Between(30, 100)) + " 20}";
        if (random_.Chance(50)) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%x", 0x40000 + random_.Between(0x61, 0x7a));
            attrs += std::string(" shortcut ") + hex;
        }
        if (random_.Chance(20)) attrs += random_.Chance(50) ? " type Toggle" : " type Radio";
        if (random_.Chance(20)) attrs += " labelfont " + std::to_string(random_.Between(0, 15));
        Line(depth + 1, attrs);
        Line(depth, "}");
    }

    // One-word labels take the one-word form, as the designer writes them.
    void Label(int depth, const char* keyword) {
        std::string words = Words(1, 4);
        if (random_.Chance(15)) words.insert(0, "&");
        bool oneWord = words.find(' ') == std::string::npos && words[0] != '&';
        Line(depth, std::string(keyword) + (oneWord ? " " + words : " {" + words + "}"));
    }

    // Appended in place: GCC 12 at -O2 reports a false overlap (-Wrestrict)
    // for "\n" + std::string(n, ' ').
    static void NewLineOrSpace(std::string& text, bool newLine, int depth) {
        if (!newLine) {
            text += ' ';
            return;
        }
        text += '\n';
        text.append(static_cast<size_t>(2 * depth), ' ');
    }

    void Callback(int depth) {
        std::string body = "function(w)";
        int words = random_.Between(20, 120);
        int have = 0;
        bool multiLine = random_.Chance(60);
        while (have < words) {
            std::string s = Statement();
            have += CountWords(s);
            NewLineOrSpace(body, multiLine, depth + 1);
            body += s;
        }
        NewLineOrSpace(body, multiLine, depth);
        body += "end";
        Line(depth, "callback {" + body + "}");
    }

    void CodeItem(int depth) {
        // A block of its own, so that its locals stay within Lua's limit.
        std::string text = "do";
        int lines = random_.Between(20, 150);
        std::string indent(static_cast<size_t>(random_.Between(0, 2) * 2), ' ');
        for (int i = 0; i < lines; ++i) {
            std::string line = (i % 7 == 3 ? "\t" : indent) + Statement();
            if (CountTokens(text) + CountTokens(line) + 5 > kMaxTextTokens) break;
            text += '\n';
            text += line;
        }
        text += "\nend";
        Line(depth, "code {" + text + "} {}");
    }

    // One Lua statement of a few words; "\#" is how the file spells Lua's
    // length operator.
    std::string Statement() {
        std::string a = random_.Pick(kNames), b = random_.Pick(kNames);
        switch (random_.Between(0, 11)) {
        case 0: return "local " + a + " = w:value()";
        case 1: return "if " + a + " > " + Number() + " then app." + b + " = " + a + " end";
        case 2: return "app.count = app.count + " + Number();
        case 3: return "print(\"" + Words(1, 5) + "\", " + a + ")";
        case 4: return "for i = 1, \\#app.names do app." + a + " = i end";
        case 5: return "local " + a + " = {x = " + Number() + ", y = " + Number() + ", tag = \"" + Words(1, 1) + "\"}";
        case 6: return "w:color(" + Number() + ") w:redraw()";
        case 7: return "app." + a + " = (app." + b + " or 0) * " + Number() + " - 1";
        case 8: return "if not app." + a + " then return end";
        case 9: return "w:label(\"" + Words(1, 3) + "\")";
        case 10: return "local " + a + " = string.format(\"%d items\", \\#app.names)";
        default: return "app.names[" + Number() + "] = w:label() .. \"" + Words(1, 2) + "\"";
        }
    }

    static int CountWords(std::string_view s) {
        int n = 0;
        bool in = false;
        for (char c : s) {
            bool space = c == ' ' || c == '\n' || c == '\t';
            if (!space && !in) ++n;
            in = !space;
        }
        return n;
    }

    std::string Words(int low, int high) {
        std::string s;
        int n = random_.Between(low, high);
        for (int i = 0; i < n; ++i) {
            if (i) s += ' ';
            s += random_.Pick(kWords);
        }
        return s;
    }

    std::string Number() { return std::to_string(random_.Between(1, 99)); }

    std::string Rect() {
        return std::to_string(random_.Between(0, 800)) + " " + std::to_string(random_.Between(0, 600)) + " " +
               std::to_string(random_.Between(10, 400)) + " " + std::to_string(random_.Between(10, 300));
    }

    void Line(int depth, const std::string& text) {
        buffer_.append(static_cast<size_t>(2 * depth), ' ');
        buffer_ += text;
        buffer_ += '\n';
        if (buffer_.size() > (1 << 20)) Flush();
    }

    void Out(std::string_view text) { buffer_ += text; }

    long long Size() const { return written_ + static_cast<long long>(buffer_.size()); }

    void Flush() {
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size()) {
            std::perror("fluac_gen: write");
            std::exit(1);
        }
        written_ += static_cast<long long>(buffer_.size());
        buffer_.clear();
    }

    Random random_;
    long long target_;
    long long written_ = 0;
    std::string buffer_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "widgets") != 0 && std::strcmp(argv[1], "menus") != 0 &&
                      std::strcmp(argv[1], "code") != 0)) {
        std::fputs("usage: fluac_gen widgets|menus|code BYTES SEED > FILE.fl\n", stderr);
        return 2;
    }
    Generator(std::strtoull(argv[3], nullptr, 10), std::atoll(argv[2])).Run(argv[1]);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
