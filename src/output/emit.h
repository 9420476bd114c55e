// Writing Lua through fixed templates: "%s" takes a text, "%d" a signed
// decimal integer; every other character is written as it stands.
//
// A template is split at its holes while the program is compiled, so writing
// one is a row of plain copies, and a hole that does not fit its argument (or
// a hole too many or too few) does not compile.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <string_view>
#include <type_traits>

#include "output/output.h"

template <class T>
inline constexpr char kHoleKind = std::is_integral_v<std::remove_cvref_t<T>> ? 'd' : 's';

template <class... Args>
class Template {
public:
    template <std::size_t N>
    consteval Template(const char (&text)[N]) {
        std::string_view rest(text, N - 1);
        constexpr char kinds[] = {kHoleKind<Args>..., '\0'};
        for (std::size_t i = 0; i < sizeof...(Args); ++i) {
            std::size_t at = rest.find('%');
            if (at == std::string_view::npos || at + 1 == rest.size() || rest[at + 1] != kinds[i])
                throw "the template's holes do not match its arguments";
            pieces_[i] = rest.substr(0, at);
            rest.remove_prefix(at + 2);
        }
        if (rest.find('%') != std::string_view::npos) throw "the template has more holes than arguments";
        pieces_[sizeof...(Args)] = rest;
    }

    // The text before hole i; the one after the last hole is Piece(count of holes).
    constexpr std::string_view Piece(std::size_t i) const { return pieces_[i]; }

private:
    std::array<std::string_view, sizeof...(Args) + 1> pieces_{};
};

inline void WriteHole(Output& out, std::string_view text) { out.WriteText(text); }
inline void WriteHole(Output& out, std::integral auto n) { out.WriteNumber(n); }

template <class... Args>
void Emit(Output& out, std::type_identity_t<Template<Args...>> tmpl, const Args&... args) {
    std::size_t i = 0;
    ((out.WriteText(tmpl.Piece(i++)), WriteHole(out, args)), ...);
    out.WriteText(tmpl.Piece(i));
}
