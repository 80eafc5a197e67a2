#include "conversionoptions.h"

#include <utility>

std::string ColorToHex(std::int32_t colour)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // Work on the unsigned bits so that a system colour (top bit set) still
    // gives six digits instead of negative remainders.
    std::uint32_t v = static_cast<std::uint32_t>(colour);
    std::string hex(6, '0');
    for (int pos = 5; pos >= 0; --pos) {
        hex[pos] = kDigits[v % 16];
        v /= 16;
    }
    // BBGGRR becomes RRGGBB.
    std::swap(hex[0], hex[4]);
    std::swap(hex[1], hex[5]);
    return hex;
}
