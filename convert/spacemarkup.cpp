#include "spacemarkup.h"

#include "textwriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kTabMarkup[] = "&nbsp;&nbsp;&nbsp;&nbsp;";
constexpr std::size_t kTabLength = sizeof kTabMarkup - 1;
// Every byte is stored as eight bytes at once (of which only its length
// counts), so the buffer needs that much slack behind the last one.
constexpr std::size_t kStoreWidth = 8;
constexpr std::size_t kMaxGrowth = kTabLength;

// What one byte becomes: up to eight bytes, stored whole.
struct Replacement
{
    char Bytes[kStoreWidth];
    std::uint8_t Length;
};

constexpr std::array<Replacement, 256> MakeTable()
{
    std::array<Replacement, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = {{static_cast<char>(c)}, 1};
    table[' '] = {{'&', 'n', 'b', 's', 'p', ';'}, 6};
    table['\n'] = {{'<', 'b', 'r', '>'}, 4};
    table['\t'] = {{}, 0}; // longer than a store: handled apart
    return table;
}

constexpr std::array<Replacement, 256> kTable = MakeTable();

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// True when a byte of `word` equals the byte that `pattern` repeats.
constexpr std::uint64_t HasByte(std::uint64_t word, std::uint64_t pattern)
{
    const std::uint64_t x = word ^ pattern;
    return (x - kOnes) & ~x & kHighs;
}

bool HasWhiteSpace(std::uint64_t word)
{
    return HasByte(word, kOnes * ' ') | HasByte(word, kOnes * '\t') | HasByte(word, kOnes * '\n');
}

char *EncodeByte(unsigned char c, char *out)
{
    if (c == '\t') {
        std::memcpy(out, kTabMarkup, kTabLength);
        return out + kTabLength;
    }
    std::memcpy(out, kTable[c].Bytes, kStoreWidth);
    return out + kTable[c].Length;
}

// Encodes [in, end) to `out`, which has room for kMaxGrowth bytes per input
// byte plus kStoreWidth. Runs of eight bytes without white space (common in
// double-byte text) are copied whole.
char *Encode(const char *in, const char *end, char *out)
{
    while (end - in >= 8) {
        std::uint64_t word;
        std::memcpy(&word, in, 8);
        if (!HasWhiteSpace(word)) {
            std::memcpy(out, in, 8);
            out += 8;
            in += 8;
            continue;
        }
        for (int i = 0; i < 8; ++i)
            out = EncodeByte(static_cast<unsigned char>(in[i]), out);
        in += 8;
    }
    while (in < end)
        out = EncodeByte(static_cast<unsigned char>(*in++), out);
    return out;
}

} // namespace

void WriteSpaceMarkup(TextWriter &page, const char *begin, const char *end)
{
    // Work in slices that fit the room left in the page's buffer.
    constexpr std::size_t kMinSlice = 256;
    while (begin < end) {
        std::size_t room = page.Room();
        if (room < kMinSlice * kMaxGrowth + kStoreWidth) {
            page.Reserve(page.BufferSize());
            room = page.Room();
        }
        const std::size_t take =
            std::min<std::size_t>(end - begin, (room - kStoreWidth) / kMaxGrowth);
        char *out = page.Reserve(take * kMaxGrowth + kStoreWidth);
        page.Commit(Encode(begin, begin + take, out));
        begin += take;
    }
}
