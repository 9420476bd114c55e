#include "translator/numbers.h"

#include <climits>
#include <cstdlib>

int DecimalToInt(const char* text) {
    long long n = std::strtoll(text, nullptr, 10);
    if (n < INT_MIN) return INT_MIN;
    if (n > INT_MAX) return INT_MAX;
    return static_cast<int>(n);
}

std::int32_t HexToInt32(std::string_view hex) {
    hex.remove_prefix(2);  // "0x"
    std::uint32_t value = 0;
    for (char c : hex) {
        unsigned digit = c <= '9' ? static_cast<unsigned>(c - '0') : static_cast<unsigned>(c - 'a' + 10);
        value = (value << 4) | digit;
    }
    return static_cast<std::int32_t>(value);
}

std::uint32_t ColorToUint32(const char* text) {
    return static_cast<std::uint32_t>(std::strtoll(text, nullptr, 10));
}
