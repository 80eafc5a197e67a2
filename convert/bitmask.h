#pragma once

#include <cstdint>

// The bits below `n` (n at most 64): the mask of the first n bytes of a
// 64-byte window.
constexpr std::uint64_t LowBits(int n)
{
    return n >= 64 ? ~0ull : (1ull << n) - 1;
}
