#pragma once

#include <cstddef>
#include <memory>

// Reads a text file the way the page format expects: every CR byte is dropped,
// the first SUB byte ends the input, and the reading can start over from the
// first byte. Bytes come in chunks for fast scanning; a failed read or seek
// ends the input and is remembered, so that the caller can tell it from the
// real end of the text.
class TextReader
{
public:
    static constexpr std::size_t kDefaultBufferSize = 128 * 1024;

    // Reads from `fd`, which stays owned by the caller.
    explicit TextReader(int fd, std::size_t bufferSize = kDefaultBufferSize);
    ~TextReader();

    TextReader(const TextReader &) = delete;
    TextReader &operator=(const TextReader &) = delete;

    // Makes at least one byte available; false at end of input.
    bool Fill();
    // The bytes available now; empty until Fill() is called.
    const char *Begin() const { return FBegin; }
    const char *End() const { return FEnd; }
    void Skip(const char *to) { FBegin = to; }

    // Starts over at the first byte of the text.
    void Rewind();
    bool Failed() const { return FFailed; }

private:
    bool ReadChunk();

    int FFd;
    std::size_t FSize;
    std::unique_ptr<char[]> FBuffer;
    const char *FBegin;
    const char *FEnd;
    bool FEndOfInput = false;
    bool FFailed = false;
};
