#include "markupavx512.h"

// Built where the compiler can target the instructions for one function at a
// time; the tests build the engine without it as well, to cover the others.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(QM_PORTABLE_ENCODER) &&                   \
    !defined(QM_NO_AVX512_ENCODER)
#define QM_AVX512_ENCODER 1
#endif

#ifdef QM_AVX512_ENCODER

#include "bitmask.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <immintrin.h>

// Functions compiled for the wider instructions (only called once the processor
// is known to have them); the small ones are always inlined into them.
#define QM_ENTRY __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi,avx512vbmi2,popcnt")))
#define QM_TARGET QM_ENTRY __attribute__((always_inline)) inline

namespace {

// Every step spreads a few input bytes over fixed slots as wide as their
// longest replacement, writes each byte's replacement into its slot, and
// squeezes out the slot bytes that are not used: 64 bytes of page a step,
// with no branch that depends on the text.

struct Vector
{
    alignas(64) char Bytes[64];
};

// Slot i of `width` bytes holds input byte i in every byte.
constexpr Vector SpreadIndex(int width)
{
    Vector v{};
    for (int j = 0; j < 64; ++j)
        v.Bytes[j] = static_cast<char>(std::min(j / width, 64 / width - 1));
    return v;
}

// `text` repeated in every slot of `width` bytes.
constexpr Vector InEverySlot(const char *text, int width)
{
    Vector v{};
    for (int j = 0; j < 64; ++j)
        v.Bytes[j] = text[j % width];
    return v;
}

// The first `count` bytes of every slot of `width` bytes.
constexpr std::uint64_t SlotHeads(int width, int count)
{
    std::uint64_t bits = 0;
    for (int j = 0; j < 64; ++j)
        if (j % width < count)
            bits |= 1ull << j;
    return bits;
}

// Tabs first become four spaces each: 16 input bytes in slots of 4.
constexpr int kTabSlot = 4;
constexpr int kTabStep = 64 / kTabSlot;
constexpr Vector kSpreadBy4 = SpreadIndex(kTabSlot);
constexpr std::uint64_t kFirstOf4 = SlotHeads(kTabSlot, 1);

// Then 10 bytes in slots of 6, the length of "&nbsp;".
constexpr int kSlot = 6;
constexpr int kStep = 64 / kSlot;
constexpr Vector kSpreadBy6 = SpreadIndex(kSlot);
constexpr Vector kNbsp = InEverySlot("&nbsp;", kSlot);
constexpr Vector kBr = InEverySlot("<br>  ", kSlot);
constexpr std::uint64_t kFirstOf6 = SlotHeads(kSlot, 1);
constexpr std::uint64_t kFirst4Of6 = SlotHeads(kSlot, 4);
// The character references of an escaped text fit the same slots.
constexpr Vector kLt = InEverySlot("&lt;  ", kSlot);
constexpr Vector kGt = InEverySlot("&gt;  ", kSlot);
constexpr Vector kAmp = InEverySlot("&amp; ", kSlot);
constexpr Vector kQuot = InEverySlot("&quot;", kSlot);
constexpr std::uint64_t kFirst5Of6 = SlotHeads(kSlot, 5);

QM_TARGET __m512i Load(const Vector &v)
{
    return _mm512_load_si512(v.Bytes);
}

// The first `n` bytes at `in` (at most 16), zero behind them; `n` is 16 or
// the bytes behind are readable when `exact` is false.
QM_TARGET __m512i LoadText(const char *in, int n, bool exact)
{
    const __m128i text = exact ? _mm_maskz_loadu_epi8(static_cast<__mmask16>(LowBits(n)), in)
                               : _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    return _mm512_zextsi128_si512(text);
}

// Writes the kept bytes of `slots` at `out`; returns the end of them.
QM_TARGET char *Squeeze(__m512i slots, __mmask64 keep, char *out)
{
    _mm512_storeu_si512(out, _mm512_maskz_compress_epi8(keep, slots));
    return out + _mm_popcnt_u64(keep);
}

// Writes the `n` bytes at `in` with each tab as four spaces.
QM_TARGET char *ExpandTabsStep(const char *in, int n, bool exact, char *out)
{
    const __m512i slots =
        _mm512_maskz_permutexvar_epi8(~0ull, Load(kSpreadBy4), LoadText(in, n, exact));
    const __mmask64 used = LowBits(kTabSlot * n);
    const __mmask64 tabs = _mm512_mask_cmpeq_epi8_mask(used, slots, _mm512_set1_epi8('\t'));
    const __m512i spaced = _mm512_mask_mov_epi8(slots, tabs, _mm512_set1_epi8(' '));
    return Squeeze(spaced, (used & kFirstOf4) | tabs, out);
}

// Puts `reference` into the slots (the bytes of them in `where`) that hold
// `c`, and marks those bytes as written.
QM_TARGET void Replace(__m512i slots, __mmask64 where, char c, const Vector &reference,
                       __m512i &page, __mmask64 &written)
{
    const __mmask64 at = _mm512_mask_cmpeq_epi8_mask(where, slots, _mm512_set1_epi8(c));
    page = _mm512_mask_mov_epi8(page, at, Load(reference));
    written |= at;
}

// Writes the `n` bytes at `in` (no tab among them) as markup, with the markup
// characters as references if `Escape`.
template <bool Escape> QM_TARGET char *MarkupStep(const char *in, int n, bool exact, char *out)
{
    const __m512i slots =
        _mm512_maskz_permutexvar_epi8(~0ull, Load(kSpreadBy6), LoadText(in, n, exact));
    const __mmask64 used = LowBits(kSlot * n);
    const __mmask64 spaces = _mm512_mask_cmpeq_epi8_mask(used, slots, _mm512_set1_epi8(' '));
    const __mmask64 lineEnds =
        _mm512_mask_cmpeq_epi8_mask(used & kFirst4Of6, slots, _mm512_set1_epi8('\n'));
    // Every byte but a CR keeps at least its slot's first byte.
    const __mmask64 kept =
        _mm512_mask_cmpneq_epi8_mask(used & kFirstOf6, slots, _mm512_set1_epi8('\r'));
    __m512i page = _mm512_mask_mov_epi8(slots, spaces, Load(kNbsp));
    page = _mm512_mask_mov_epi8(page, lineEnds, Load(kBr));
    __mmask64 written = kept | spaces | lineEnds;
    if constexpr (Escape) {
        Replace(slots, used & kFirst4Of6, '<', kLt, page, written);
        Replace(slots, used & kFirst4Of6, '>', kGt, page, written);
        Replace(slots, used & kFirst5Of6, '&', kAmp, page, written);
        Replace(slots, used, '"', kQuot, page, written);
    }
    return Squeeze(page, written, out);
}

// Runs `Step` over [in, end) in steps of `size` bytes; the last steps load
// only the bytes that are there.
template <char *Step(const char *, int, bool, char *)>
QM_TARGET char *Steps(const char *in, const char *end, int size, char *out)
{
    for (; end - in >= 16; in += size)
        out = Step(in, size, false, out);
    for (; in < end; in += size)
        out = Step(in, static_cast<int>(std::min<std::ptrdiff_t>(size, end - in)), true, out);
    return out;
}

template <bool Escape> QM_ENTRY char *EncodeWithoutTabs(const char *in, const char *end, char *out)
{
    return Steps<MarkupStep<Escape>>(in, end, kStep, out);
}

QM_ENTRY char *ExpandTabs(const char *in, const char *end, char *out)
{
    return Steps<ExpandTabsStep>(in, end, kTabStep, out);
}

} // namespace

bool MarkupAvx512Available()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi") &&
           __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("popcnt");
}

namespace {

// True if one of the 64 bytes at `in` is a markup character.
QM_TARGET bool HasMarkupCharacter(const char *in)
{
    const __m512i v = _mm512_loadu_si512(in);
    return (_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('<')) |
            _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('>')) |
            _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('&')) |
            _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('"'))) != 0;
}

// Escaped text, a piece at a time: most pieces hold no markup character and
// take the steps that look for none, which are the faster ones.
QM_ENTRY char *EncodeEscapedPieces(const char *in, const char *end, char *out)
{
    constexpr std::ptrdiff_t kPiece = 256;
    while (end - in >= kPiece) {
        bool markup = false;
        for (int at = 0; at < kPiece; at += 64)
            markup = markup || HasMarkupCharacter(in + at);
        out = markup ? EncodeWithoutTabs<true>(in, in + kPiece, out)
                     : EncodeWithoutTabs<false>(in, in + kPiece, out);
        in += kPiece;
    }
    return EncodeWithoutTabs<true>(in, end, out);
}

template <bool Escape> char *EncodeTabFree(const char *in, const char *end, char *out)
{
    if constexpr (Escape)
        return EncodeEscapedPieces(in, end, out);
    else
        return EncodeWithoutTabs<false>(in, end, out);
}

template <bool Escape> char *EncodeMarkup(const char *in, const char *end, char *out)
{
    if (!std::memchr(in, '\t', end - in))
        return EncodeTabFree<Escape>(in, end, out);
    // Tabs are spread to spaces a piece at a time, then encoded.
    constexpr std::size_t kPiece = 4096;
    char spaced[kPiece * kTabSlot + 64];
    while (in < end) {
        const char *stop = in + std::min<std::size_t>(kPiece, end - in);
        out = EncodeTabFree<Escape>(spaced, ExpandTabs(in, stop, spaced), out);
        in = stop;
    }
    return out;
}

} // namespace

char *EncodeMarkupAvx512(const char *in, const char *end, char *out)
{
    return EncodeMarkup<false>(in, end, out);
}

char *EncodeEscapedMarkupAvx512(const char *in, const char *end, char *out)
{
    return EncodeMarkup<true>(in, end, out);
}

#else

bool MarkupAvx512Available()
{
    return false;
}

char *EncodeMarkupAvx512(const char *, const char *, char *out)
{
    return out;
}

char *EncodeEscapedMarkupAvx512(const char *, const char *, char *out)
{
    return out;
}

#endif
