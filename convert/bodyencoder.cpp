#include "bodyencoder.h"

#include "bitmask.h"
#include "markupavx512.h"
#include "textwriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

// SSE2 is part of every x86-64 processor; elsewhere (or with
// QM_PORTABLE_ENCODER, which the tests use) plain C++ does the same work.
#if defined(__SSE2__) && !defined(QM_PORTABLE_ENCODER)
#include <emmintrin.h>
#endif

namespace {

// What one byte becomes. Each replacement is stored whole, eight bytes at once,
// and the output moves on by its length only, so the output needs that much
// slack. A tab's markup is longer and is written apart.
constexpr std::size_t kWidth = 8;
constexpr char kTabMarkup[] = "&nbsp;&nbsp;&nbsp;&nbsp;";
constexpr std::size_t kTabLength = sizeof kTabMarkup - 1;

struct Table
{
    alignas(8) char Bytes[256][kWidth];
    std::uint8_t Length[256];
};

constexpr void Set(Table &table, unsigned char c, const char *bytes)
{
    std::uint8_t n = 0;
    for (; bytes[n]; ++n)
        table.Bytes[c][n] = bytes[n];
    table.Length[c] = n;
}

// Every byte stands for itself, except CR, which is dropped.
constexpr Table IdentityTable()
{
    Table table{};
    for (int c = 0; c < 256; ++c) {
        table.Bytes[c][0] = static_cast<char>(c);
        table.Length[c] = 1;
    }
    table.Length['\r'] = 0;
    return table;
}

// The character references of an escaped text; "&quot;" is the longest.
constexpr void SetEscapes(Table &table)
{
    Set(table, '<', "&lt;");
    Set(table, '>', "&gt;");
    Set(table, '&', "&amp;");
    Set(table, '"', "&quot;");
}
constexpr std::size_t kEscapeLength = 6;

constexpr Table MarkupTable(bool escape)
{
    Table table = IdentityTable();
    Set(table, ' ', "&nbsp;");
    Set(table, '\n', "<br>");
    if (escape)
        SetEscapes(table);
    return table;
}

constexpr Table UnchangedTable(bool escape)
{
    Table table = IdentityTable();
    Set(table, '\n', "\r\n");
    if (escape)
        SetEscapes(table);
    return table;
}

// How one kind of body is encoded. The bytes that change are found a window
// at a time (LookAtWindow), so that the runs of other bytes are copied whole.
// With `Escape`, the four markup characters change as well.
template <bool Escape> struct MarkupScheme
{
    // Every white-space byte that changes lies below this (a few below it do
    // not); the markup characters are looked for one by one.
    static constexpr unsigned char Limit = ' ' + 1;
    static constexpr bool Escapes = Escape;
    static constexpr std::size_t MaxGrowth = kTabLength;
    static constexpr Table Bytes = MarkupTable(Escape);
    static constexpr bool KeepsCRLF = false;
    // Runs of spaces and tabs are written in one piece.
    static constexpr bool HasBlankRuns = true;
    static char *Encode(unsigned char c, char *out)
    {
        if (c == '\t') {
            std::memcpy(out, kTabMarkup, kTabLength);
            return out + kTabLength;
        }
        return EncodeShort(c, out);
    }
    // Any byte but a tab.
    static char *EncodeShort(unsigned char c, char *out)
    {
        std::memcpy(out, Bytes.Bytes[c], kWidth);
        return out + Bytes.Length[c];
    }
};

template <bool Escape> struct UnchangedScheme
{
    static constexpr bool Escapes = Escape;
    static constexpr std::size_t MaxGrowth = Escape ? kEscapeLength : 2;
    static constexpr Table Bytes = UnchangedTable(Escape);
    // A CR LF pair comes out as it went in: not special.
    static constexpr bool KeepsCRLF = true;
    static constexpr bool HasBlankRuns = false;
    static char *Encode(unsigned char c, char *out)
    {
        std::memcpy(out, Bytes.Bytes[c], kWidth);
        return out + Bytes.Length[c];
    }
    static char *EncodeShort(unsigned char c, char *out) { return Encode(c, out); }
};

// A run of "&nbsp;" fills at least this much.
constexpr int kNbspFill = 192;

#if defined(__SSE2__) && !defined(QM_PORTABLE_ENCODER)
constexpr int kBlock = 16;

__m128i LoadBlock(const char *in)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
}

// One bit per byte of the block at `in` that lies below `limit`.
unsigned BytesBelow(const char *in, unsigned char limit)
{
    const __m128i v = LoadBlock(in);
    const __m128i top = _mm_set1_epi8(static_cast<char>(limit - 1));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(v, top), v));
}

// One bit per byte of the block at `in` that equals `c`.
unsigned BytesEqual(const char *in, char c)
{
    return _mm_movemask_epi8(_mm_cmpeq_epi8(LoadBlock(in), _mm_set1_epi8(c)));
}

void CopyBlock(char *out, const char *in)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out),
                     _mm_loadu_si128(reinterpret_cast<const __m128i *>(in)));
}

// Writes "&nbsp;" times size / 6 (and more, up to kNbspFill) from a pattern
// held in registers, 48 bytes a turn. The first turns are taken whatever the
// size: a loop whose length varies from run to run is mispredicted.
void FillNbsp(char *out, int size, const char *pattern)
{
    const __m128i a = LoadBlock(pattern), b = LoadBlock(pattern + 16), c = LoadBlock(pattern + 32);
    const auto turn = [&](int at) {
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at), a);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at + 16), b);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at + 32), c);
    };
    turn(0);
    turn(48);
    turn(96);
    turn(144);
    for (int done = kNbspFill; done < size; done += 48)
        turn(done);
}
#else
constexpr int kBlock = 8;

// One bit per byte of the block at `in` that lies below `limit`, in memory
// order (the block is read as a little-endian number).
unsigned BytesBelow(const char *in, unsigned char limit)
{
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i)
        word = word << 8 | static_cast<unsigned char>(in[i]);
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = kOnes * 0x80;
    // Exact for every byte: no carry crosses into the next one.
    const std::uint64_t below = ~(((word & ~kHighs) + kOnes * (0x80 - limit)) | word) & kHighs;
    unsigned mask = 0;
    for (int i = 0; i < 8; ++i)
        mask |= static_cast<unsigned>(below >> (8 * i + 7) & 1) << i;
    return mask;
}

unsigned BytesEqual(const char *in, char c)
{
    unsigned mask = 0;
    for (int i = 0; i < kBlock; ++i)
        mask |= unsigned(in[i] == c) << i;
    return mask;
}

void CopyBlock(char *out, const char *in)
{
    std::memcpy(out, in, kBlock);
}

void FillNbsp(char *out, int size, const char *pattern)
{
    for (int done = 0; done < std::max(size, kNbspFill); done += 48)
        std::memcpy(out + done, pattern, 48);
}
#endif

// Bytes are looked at a window at a time; runs are copied two blocks at once.
constexpr int kWindow = 64;
constexpr int kRunCopy = 2 * kBlock;
// Copies read this far past the window's end.
constexpr int kReadAhead = kRunCopy;

// The bytes of a window that matter, one bit per byte.
struct WindowBytes
{
    std::uint64_t Special = 0; // changed by the scheme
    std::uint64_t Blank = 0;   // spaces and tabs, when the scheme has runs of them
    std::uint64_t Tab = 0;
    // Where a run of blanks written in one piece starts: a blank followed by
    // another, or a tab (whose markup is longer than a table entry).
    std::uint64_t RunStart = 0;
};

template <typename Scheme> WindowBytes LookAtWindow(const char *in)
{
    WindowBytes bytes;
    std::uint64_t cr = 0, lf = 0, escaped = 0;
    const auto lookAtBlock = [&](int block) {
        const char *at = in + block * kBlock;
        const int shift = block * kBlock;
        if constexpr (Scheme::Escapes) {
            escaped |= std::uint64_t(BytesEqual(at, '<') | BytesEqual(at, '>') |
                                     BytesEqual(at, '&') | BytesEqual(at, '"'))
                       << shift;
        }
        if constexpr (Scheme::KeepsCRLF) {
            cr |= std::uint64_t(BytesEqual(at, '\r')) << shift;
            lf |= std::uint64_t(BytesEqual(at, '\n')) << shift;
        } else {
            bytes.Special |= std::uint64_t(BytesBelow(at, Scheme::Limit)) << shift;
        }
        if constexpr (Scheme::HasBlankRuns) {
            const std::uint64_t tab = BytesEqual(at, '\t');
            bytes.Tab |= tab << shift;
            bytes.Blank |= (tab | BytesEqual(at, ' ')) << shift;
        }
    };
    // Unrolled: every block's shift is a constant.
    [&]<int... Block>(std::integer_sequence<int, Block...>)
    {
        (lookAtBlock(Block), ...);
    }
    (std::make_integer_sequence<int, kWindow / kBlock>());
    if constexpr (Scheme::KeepsCRLF) {
        // Only a CR or a line end on its own changes. Worked out without a
        // branch: line ends are too frequent and too irregular to predict. A
        // pair split between two windows counts as two single ones, which
        // encodes it right all the same.
        bytes.Special = (cr & ~(lf >> 1)) | (lf & ~(cr << 1));
    }
    bytes.Special |= escaped;
    if constexpr (Scheme::HasBlankRuns)
        bytes.RunStart = bytes.Blank & ((bytes.Blank >> 1) | bytes.Tab);
    return bytes;
}

// Copies `size` bytes, and possibly some more behind them (up to kRunCopy).
void CopyRun(char *out, const char *in, int size)
{
    int copied = 0;
    do {
        CopyBlock(out + copied, in + copied);
        CopyBlock(out + copied + kBlock, in + copied + kBlock);
        copied += kRunCopy;
    } while (copied < size);
}

// Blocks, replacements and runs of "&nbsp;" are stored whole: the output needs
// this much room behind the bytes that count.
constexpr std::size_t kSlack = std::max<std::size_t>({kRunCopy, kWidth, kNbspFill});

// Eight times "&nbsp;": the pattern that runs of blanks are written from.
constexpr int kNbspLength = 6;
constexpr char kNbspPattern[] = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
static_assert(sizeof kNbspPattern - 1 == 48);

// The number of bits set, without a branch (std::popcount may become a
// library call on processors without the instruction).
constexpr int CountBits(std::uint64_t x)
{
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// Writes the run of blanks that starts at `at` of the window whose blanks and
// tabs are marked, up to the window's end; returns where the run ends. Spaces
// and tabs come out alike, as one copy of "&nbsp;" times the run's worth.
int WriteBlankRun(std::uint64_t blanks, std::uint64_t tabs, int at, char *&out)
{
    const std::uint64_t after = ~blanks >> at;
    const int length = after ? std::countr_zero(after) : kWindow - at;
    const int tabCount = CountBits((tabs >> at) & LowBits(length));
    const int size = (length + 3 * tabCount) * kNbspLength;
    FillNbsp(out, size, kNbspPattern);
    out += size;
    return at + length;
}

// Encodes [in, end) to `out`, which has room for MaxGrowth bytes per input
// byte plus kSlack. A window without special bytes is copied whole; in others
// the runs between special bytes are copied whole, and each special byte, or
// each run of blanks, gets its replacement.
template <typename Scheme> char *Encode(const char *in, const char *end, char *out)
{
    while (end - in >= kWindow + kReadAhead) {
        const WindowBytes bytes = LookAtWindow<Scheme>(in);
        std::uint64_t special = bytes.Special;
        if (special == 0) {
            CopyRun(out, in, kWindow);
            in += kWindow;
            out += kWindow;
            continue;
        }
        int done = 0;
        do {
            const int at = std::countr_zero(special);
            CopyRun(out, in + done, at - done);
            out += at - done;
            // A single space (the common one between words) is cheaper alone.
            if (Scheme::HasBlankRuns && (bytes.RunStart >> at & 1)) {
                done = WriteBlankRun(bytes.Blank, bytes.Tab, at, out);
                special &= ~LowBits(done);
            } else {
                out = Scheme::EncodeShort(static_cast<unsigned char>(in[at]), out);
                done = at + 1;
                special &= special - 1;
            }
        } while (special != 0);
        CopyRun(out, in + done, kWindow - done);
        out += kWindow - done;
        in += kWindow;
    }
    while (in < end)
        out = Scheme::Encode(static_cast<unsigned char>(*in++), out);
    return out;
}

using Encoder = char *(const char *in, const char *end, char *out);

// Encodes in slices that fit the room left in the page's buffer.
template <typename Scheme, Encoder EncodeSlice = Encode<Scheme>>
void WriteEncoded(TextWriter &page, const char *begin, const char *end)
{
    static_assert(Scheme::MaxGrowth + kSlack <= TextWriter::kMinimumBufferSize);
    constexpr std::size_t kMinSlice = 256;
    constexpr std::size_t kMinRoom = kMinSlice * Scheme::MaxGrowth + kSlack;
    while (begin < end) {
        if (page.Room() < kMinRoom)
            page.Reserve(kMinRoom);
        const std::size_t room = page.Room();
        const std::size_t take =
            std::min<std::size_t>(end - begin, (room - kSlack) / Scheme::MaxGrowth);
        char *out = page.Reserve(take * Scheme::MaxGrowth + kSlack);
        page.Commit(EncodeSlice(begin, begin + take, out));
        begin += take;
    }
}

} // namespace

void WriteSpaceMarkup(TextWriter &page, const char *begin, const char *end, bool escape)
{
    static const bool wide = MarkupAvx512Available();
    if (wide && escape)
        WriteEncoded<MarkupScheme<true>, EncodeEscapedMarkupAvx512>(page, begin, end);
    else if (wide)
        WriteEncoded<MarkupScheme<false>, EncodeMarkupAvx512>(page, begin, end);
    else if (escape)
        WriteEncoded<MarkupScheme<true>>(page, begin, end);
    else
        WriteEncoded<MarkupScheme<false>>(page, begin, end);
}

void WriteUnchanged(TextWriter &page, const char *begin, const char *end, bool escape)
{
    if (escape)
        WriteEncoded<UnchangedScheme<true>>(page, begin, end);
    else
        WriteEncoded<UnchangedScheme<false>>(page, begin, end);
}
