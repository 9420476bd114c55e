// The type-word tables. Whole words, case-sensitive.
#include <array>
#include <utility>

#include "translator/constants.h"

namespace {

// The values are what the script passes to the binding, whatever numbering
// the toolkit itself uses for the same words.
constexpr std::array<std::pair<std::string_view, std::int32_t>, 36> kWidgetTypes{{
    {"Normal", 0},
    {"Vertical", 0},
    {"Dot", 0},
    {"Integer", 0},
    {"normal", 0},
    {"No_Select", 0},
    {"BOTH", 0},
    {"Toggle", 1},
    {"Horizontal", 1},
    {"Simple", 1},
    {"Line", 1},
    {"Float", 1},
    {"popup1", 1},
    {"Select", 1},
    {"HORIZONTAL", 1},
    {"Vert_Fill", 2},
    {"Fill", 2},
    {"Int", 2},
    {"popup2", 2},
    {"Hold", 2},
    {"VERTICAL", 2},
    {"Horz_Fill", 3},
    {"popup3", 3},
    {"Multi", 3},
    {"Vert_Knob", 4},
    {"Multiline", 4},
    {"popup12", 4},
    {"Horz_Knob", 5},
    {"Secret", 5},
    {"popup23", 5},
    {"HORIZONTAL_ALWAYS", 5},
    {"popup13", 6},
    {"VERTICAL_ALWAYS", 6},
    {"popup123", 7},
    {"BOTH_ALWAYS", 7},
    {"Radio", 102},
}};

}  // namespace

std::int32_t FluidConstantToNumber(std::string_view word) {
    for (const auto& [name, value] : kWidgetTypes)
        if (name == word) return value;
    return -1;
}

std::int8_t FluidMenuConstantToNumber(std::string_view word) {
    if (word == "Toggle") return 2;
    if (word == "Radio") return 8;
    return 0;
}
