#include "utf8validator.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Where the compiler can target 256-bit instructions for one function, whole
// stretches are checked 32 bytes at a time without a branch per byte (the
// portable build of the tests checks byte by byte throughout).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(QM_PORTABLE_ENCODER)
#define QM_AVX2_VALIDATOR 1
#include <immintrin.h>
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

#ifdef QM_AVX2_VALIDATOR

#define QM_AVX2 __attribute__((target("avx2")))
#define QM_AVX2_INLINE QM_AVX2 __attribute__((always_inline)) inline

// Each byte pair (the byte before and the byte) is looked up by the high and
// low half of the first and the high half of the second; a bit set in all
// three lookups is an error of that kind.
constexpr unsigned char kTooShort = 1 << 0;  // lead byte not followed by a continuation
constexpr unsigned char kTooLong = 1 << 1;   // ASCII followed by a continuation
constexpr unsigned char kOverlong3 = 1 << 2; // E0 80..9F
constexpr unsigned char kTooLarge = 1 << 3;  // F4 90..BF, F5..FF
constexpr unsigned char kSurrogate = 1 << 4; // ED A0..BF
constexpr unsigned char kOverlong2 = 1 << 5; // C0, C1
constexpr unsigned char kTooLarge1000 = 1 << 6;
constexpr unsigned char kOverlong4 = 1 << 6; // F0 80..8F
constexpr unsigned char kTwoConts = 1 << 7;  // continuation after continuation
constexpr unsigned char kCarry = kTooShort | kTooLong | kTwoConts;

QM_AVX2_INLINE __m256i Table(const unsigned char (&t)[16])
{
    return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(t)));
}

QM_AVX2_INLINE __m256i HighHalves(__m256i v)
{
    return _mm256_and_si256(_mm256_srli_epi16(v, 4), _mm256_set1_epi8(0x0F));
}

// The 32 bytes that end `n` bytes before the end of `input`, `previous`
// being the block in front of it.
template <int n> QM_AVX2_INLINE __m256i Earlier(__m256i input, __m256i previous)
{
    return _mm256_alignr_epi8(input, _mm256_permute2x128_si256(previous, input, 0x21), 16 - n);
}

QM_AVX2_INLINE __m256i PairErrors(__m256i input, __m256i previous)
{
    static constexpr unsigned char kByte1High[16] = {kTooLong,
                                                     kTooLong,
                                                     kTooLong,
                                                     kTooLong,
                                                     kTooLong,
                                                     kTooLong,
                                                     kTooLong,
                                                     kTooLong,
                                                     kTwoConts,
                                                     kTwoConts,
                                                     kTwoConts,
                                                     kTwoConts,
                                                     kTooShort | kOverlong2,
                                                     kTooShort,
                                                     kTooShort | kOverlong3 | kSurrogate,
                                                     kTooShort | kTooLarge | kTooLarge1000 |
                                                         kOverlong4};
    static constexpr unsigned char kByte1Low[16] = {kCarry | kOverlong3 | kOverlong2 | kOverlong4,
                                                    kCarry | kOverlong2,
                                                    kCarry,
                                                    kCarry,
                                                    kCarry | kTooLarge,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000 | kSurrogate,
                                                    kCarry | kTooLarge | kTooLarge1000,
                                                    kCarry | kTooLarge | kTooLarge1000};
    static constexpr unsigned char kByte2High[16] = {
        kTooShort,
        kTooShort,
        kTooShort,
        kTooShort,
        kTooShort,
        kTooShort,
        kTooShort,
        kTooShort,
        kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge1000 | kOverlong4,
        kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge,
        kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge,
        kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge,
        kTooShort,
        kTooShort,
        kTooShort,
        kTooShort};
    const __m256i before = Earlier<1>(input, previous);
    const __m256i byte1High = _mm256_shuffle_epi8(Table(kByte1High), HighHalves(before));
    const __m256i byte1Low =
        _mm256_shuffle_epi8(Table(kByte1Low), _mm256_and_si256(before, _mm256_set1_epi8(0x0F)));
    const __m256i byte2High = _mm256_shuffle_epi8(Table(kByte2High), HighHalves(input));
    return _mm256_and_si256(_mm256_and_si256(byte1High, byte1Low), byte2High);
}

// The third and fourth bytes of three- and four-byte characters must be
// continuations, which the pair lookup alone counts as two in a row.
QM_AVX2_INLINE __m256i BlockErrors(__m256i input, __m256i previous)
{
    const __m256i pairs = PairErrors(input, previous);
    const __m256i third =
        _mm256_subs_epu8(Earlier<2>(input, previous), _mm256_set1_epi8(0xE0 - 0x80));
    const __m256i fourth =
        _mm256_subs_epu8(Earlier<3>(input, previous), _mm256_set1_epi8(char(0xF0 - 0x80)));
    const __m256i mustContinue =
        _mm256_and_si256(_mm256_or_si256(third, fourth), _mm256_set1_epi8(char(0x80)));
    return _mm256_xor_si256(mustContinue, pairs);
}

// Checks `blocks` blocks of 32 bytes at `in`, which starts on a character;
// false on an error. `back` receives how many bytes at the end begin a
// character that goes on behind them (left to the caller).
QM_AVX2 bool CheckBlocks(const unsigned char *in, std::size_t blocks, int &back)
{
    __m256i errors = _mm256_setzero_si256();
    __m256i previous = _mm256_setzero_si256();
    __m256i previousIncomplete = _mm256_setzero_si256();
    // Bytes at these places of a block that are at least these values begin
    // a character the block does not hold whole.
    const __m256i lastLeads = _mm256_setr_epi8(
        char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF),
        char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF),
        char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF),
        char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF),
        char(0xF0 - 1), char(0xE0 - 1), char(0xC0 - 1), char(0xFF));
    for (std::size_t b = 0; b < blocks; ++b) {
        const __m256i input = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(in + 32 * b));
        if (_mm256_movemask_epi8(input) == 0) {
            errors = _mm256_or_si256(errors, previousIncomplete);
        } else {
            errors = _mm256_or_si256(errors, BlockErrors(input, previous));
            previousIncomplete = _mm256_subs_epu8(input, lastLeads);
        }
        previous = input;
    }
    if (!_mm256_testz_si256(errors, errors))
        return false;
    const unsigned char *last = in + 32 * blocks;
    back = last[-1] >= 0xC0 ? 1 : last[-2] >= 0xE0 ? 2 : last[-3] >= 0xF0 ? 3 : 0;
    return true;
}

bool HasAvx2()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2");
    }();
    return has;
}

#endif

} // namespace

bool Utf8Validator::Feed(const char *begin, const char *end)
{
    const auto *in = reinterpret_cast<const unsigned char *>(begin);
    const auto *stop = reinterpret_cast<const unsigned char *>(end);
    while (!FInvalid && in < stop) {
        // A character begun in the last piece is finished byte by byte.
        if (FPending > 0) {
            in = FeedSlowly(in, in + 1);
            continue;
        }
#ifdef QM_AVX2_VALIDATOR
        if (stop - in >= 64 && HasAvx2()) {
            const std::size_t blocks = (stop - in) / 32;
            int back = 0;
            if (!CheckBlocks(in, blocks, back))
                FInvalid = true;
            // A character cut off by the last block is left to the bytes
            // behind it.
            in += 32 * blocks - back;
            continue;
        }
#endif
        // Runs of ASCII between characters go sixteen bytes at a time.
        while (stop - in >= 16 && IsAscii16(in))
            in += 16;
        in = FeedSlowly(in, stop);
    }
    return !FInvalid;
}

// Checks bytes one at a time up to the next stretch of ASCII (or the end).
const unsigned char *Utf8Validator::FeedSlowly(const unsigned char *in, const unsigned char *end)
{
    for (int ascii = 0; in < end && ascii < 16; ++in) {
        const unsigned char c = *in;
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
