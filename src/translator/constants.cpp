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

namespace {

// The box types of FLTK 1.3, by the words the designer writes for them.
constexpr std::string_view kBoxWords[] = {
    "NO_BOX", "FLAT_BOX", "UP_BOX", "DOWN_BOX", "UP_FRAME", "DOWN_FRAME", "THIN_UP_BOX",
    "THIN_DOWN_BOX", "THIN_UP_FRAME", "THIN_DOWN_FRAME", "ENGRAVED_BOX", "EMBOSSED_BOX",
    "ENGRAVED_FRAME", "EMBOSSED_FRAME", "BORDER_BOX", "SHADOW_BOX", "BORDER_FRAME", "SHADOW_FRAME",
    "ROUNDED_BOX", "RSHADOW_BOX", "ROUNDED_FRAME", "RFLAT_BOX", "ROUND_UP_BOX", "ROUND_DOWN_BOX",
    "DIAMOND_UP_BOX", "DIAMOND_DOWN_BOX", "OVAL_BOX", "OSHADOW_BOX", "OVAL_FRAME", "OFLAT_BOX",
    "PLASTIC_UP_BOX", "PLASTIC_DOWN_BOX", "PLASTIC_UP_FRAME", "PLASTIC_DOWN_FRAME",
    "PLASTIC_THIN_UP_BOX", "PLASTIC_THIN_DOWN_BOX", "PLASTIC_ROUND_UP_BOX", "PLASTIC_ROUND_DOWN_BOX",
    "GTK_UP_BOX", "GTK_DOWN_BOX", "GTK_UP_FRAME", "GTK_DOWN_FRAME", "GTK_THIN_UP_BOX",
    "GTK_THIN_DOWN_BOX", "GTK_THIN_UP_FRAME", "GTK_THIN_DOWN_FRAME", "GTK_ROUND_UP_BOX",
    "GTK_ROUND_DOWN_BOX", "GLEAM_UP_BOX", "GLEAM_DOWN_BOX", "GLEAM_UP_FRAME", "GLEAM_DOWN_FRAME",
    "GLEAM_THIN_UP_BOX", "GLEAM_THIN_DOWN_BOX", "GLEAM_ROUND_UP_BOX", "GLEAM_ROUND_DOWN_BOX"};

constexpr std::string_view kLabeltypeWords[] = {
    "NORMAL_LABEL", "NO_LABEL", "SHADOW_LABEL", "ENGRAVED_LABEL", "EMBOSSED_LABEL", "SYMBOL_LABEL"};

template <std::size_t N>
bool Contains(const std::string_view (&words)[N], std::string_view word) {
    for (std::string_view w : words)
        if (w == word) return true;
    return false;
}

}  // namespace

bool IsFluidBoxWord(std::string_view word) {
    return Contains(kBoxWords, word);
}

bool IsFluidLabeltypeWord(std::string_view word) {
    return Contains(kLabeltypeWords, word);
}
