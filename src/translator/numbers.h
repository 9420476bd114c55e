// The numbers of the file as integers.
#pragma once

#include <cstdint>
#include <string_view>

// Optional sign and leading decimal digits, as a decimal string-to-integer
// conversion reads them; values beyond the int range stop at its ends.
int DecimalToInt(const char* text);

// "0x" and lower-case hex digits: the value's low 32 bits as a signed
// integer, so any number of digits is safe and leading zeros do not matter.
std::int32_t HexToInt32(std::string_view hex);

// A colour as the designer writes it, a signed 32-bit number (or a decimal
// one, read up to its point): the 32 bits as FLTK's unsigned colour.
std::uint32_t ColorToUint32(const char* text);
