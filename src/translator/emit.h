// Writing Lua through fixed templates: "%s" takes a text, "%d" a signed
// decimal integer; every other character is written as it stands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "scanner/output.h"

struct Hole {
    Hole(std::string_view t) : text(t) {}
    Hole(const std::string& t) : text(t) {}
    Hole(const char* t) : text(t) {}
    template <class N, class = std::enable_if_t<std::is_integral_v<N>>>
    Hole(N n) : number(static_cast<long long>(n)), isNumber(true) {}

    std::string_view text;
    long long number = 0;
    bool isNumber = false;
};

void EmitHoles(std::string_view tmpl, const Hole* holes, std::size_t count);

template <class... Args>
void Emit(std::string_view tmpl, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        WriteText(tmpl);
    } else {
        const Hole holes[] = {Hole(args)...};
        EmitHoles(tmpl, holes, sizeof...(Args));
    }
}
