// Type words of the FLUID file and the integers the script passes for them.
#pragma once

#include <cstdint>
#include <string_view>

// A widget's type word: its value from the table, or -1 when it is not there.
std::int32_t FluidConstantToNumber(std::string_view word);
// A menu item's type word: 2 for Toggle, 8 for Radio, 0 for any other.
std::int8_t FluidMenuConstantToNumber(std::string_view word);
// Whether the designer knows the box type, or the label type, by this word
// (without "FL_"); it ignores those it does not know.
bool IsFluidBoxWord(std::string_view word);
bool IsFluidLabeltypeWord(std::string_view word);
