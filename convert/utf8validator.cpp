#include "utf8validator.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// True if none of the 16 bytes at `in` has its top bit set.
bool IsAscii16(const unsigned char *in)
{
#if defined(__SSE2__)
    return _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(in))) == 0;
#else
    std::uint64_t a, b;
    std::memcpy(&a, in, 8);
    std::memcpy(&b, in + 8, 8);
    return ((a | b) & 0x8080808080808080ull) == 0;
#endif
}

} // namespace

bool Utf8Validator::Feed(const char *begin, const char *end)
{
    const auto *in = reinterpret_cast<const unsigned char *>(begin);
    const auto *stop = reinterpret_cast<const unsigned char *>(end);
    while (!FInvalid && in < stop) {
        // Runs of ASCII between characters go sixteen bytes at a time.
        if (FPending == 0) {
            while (stop - in >= 16 && IsAscii16(in))
                in += 16;
        }
        in = FeedSlowly(in, stop);
    }
    return !FInvalid;
}

// Checks bytes one at a time up to the next stretch of ASCII (or the end).
const unsigned char *Utf8Validator::FeedSlowly(const unsigned char *in, const unsigned char *end)
{
    for (int ascii = 0; in < end && ascii < 16; ++in) {
        const unsigned char c = *in;
        if (c == '\r')
            continue;
        if (FPending > 0) {
            if (c < FLow || c > FHigh) {
                FInvalid = true;
                return end;
            }
            --FPending;
            FLow = 0x80;
            FHigh = 0xBF;
            continue;
        }
        if (c < 0x80) {
            ++ascii;
            continue;
        }
        ascii = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            FPending = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            FPending = 2;
            if (c == 0xE0)
                FLow = 0xA0; // no overlong form
            else if (c == 0xED)
                FHigh = 0x9F; // no surrogate
        } else if (c >= 0xF0 && c <= 0xF4) {
            FPending = 3;
            if (c == 0xF0)
                FLow = 0x90;
            else if (c == 0xF4)
                FHigh = 0x8F; // nothing above U+10FFFF
        } else {
            FInvalid = true;
            return end;
        }
    }
    return in;
}
