#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

// Writes a page the way the page format expects: every line-end byte written
// becomes CR LF. Buffered; the first failed write is remembered and later
// output is dropped, so that the caller checks once at the end.
class TextWriter
{
public:
    // Large writes: each write call costs the file system more than its bytes
    // (2 MiB pieces write a page faster than 64 KiB ones).
    static constexpr std::size_t kDefaultBufferSize = 2 * 1024 * 1024;
    // Room for the encoders' largest piece with its slack.
    static constexpr std::size_t kMinimumBufferSize = 1024;

    // Writes to `fd`, which stays owned by the caller, through `buffer` (at
    // least kMinimumBufferSize bytes).
    TextWriter(int fd, std::span<char> buffer);
    explicit TextWriter(int fd, std::size_t bufferSize = kDefaultBufferSize);
    ~TextWriter();

    TextWriter(const TextWriter &) = delete;
    TextWriter &operator=(const TextWriter &) = delete;

    // Writes `text`, each line end as CR LF.
    void Write(std::string_view text);

    // Direct access for encoders that produce final page bytes: Reserve()
    // returns room for at least `size` bytes (size <= MaxReserve()), Commit()
    // takes the bytes written there up to `end`.
    char *Reserve(std::size_t size);
    void Commit(char *end) { FUsed = end - FBuffer; }
    // Free bytes behind the buffered output.
    std::size_t Room() const { return FSize - FUsed; }
    std::size_t MaxReserve() const { return FSize - Carried(); }

    // Writes out what is buffered; false if any write failed.
    bool Flush();
    // Starts the page over: drops what is buffered and, if some of it has
    // gone out already, cuts the file back to where the page began. Where that
    // cannot be done (a pipe) the writer fails instead; false then.
    bool Restart();
    bool Failed() const { return FFailed; }

private:
    // Writes go out in whole file pages, which the file system takes far
    // more cheaply than pieces that end inside a page; the rest of the
    // buffered bytes (less than a page) waits for the next write.
    static constexpr std::size_t kFilePage = 4096;
    // Buffered bytes a write may leave behind: none for a small buffer.
    std::size_t Carried() const { return FSize >= 4 * kFilePage ? kFilePage - 1 : 0; }
    void WriteOut(bool all);
    void WriteAll(const char *data, std::size_t size);

    int FFd;
    std::unique_ptr<char[]> FOwnBuffer;
    char *FBuffer;
    std::size_t FSize;
    std::size_t FUsed = 0;
    std::size_t FWrittenOut = 0;
    bool FFailed = false;
};
