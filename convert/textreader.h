#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <sys/stat.h>

class RunControl;

// Opens a text for reading; only a regular file will do, whose status is put
// in `st`. -1 with `error` set if it cannot be opened or is something else.
int OpenTextFile(const std::string &path, struct stat &st, int &error);

// Reads a text file the way the page format expects: every CR byte is dropped,
// the first SUB byte ends the input, and the reading can start over from the
// first byte. Bytes come in chunks for fast scanning; a failed read or seek
// ends the input and is remembered, so that the caller can tell it from the
// real end of the text. A text that fits the buffer is read only once, however
// often it is started over.
class TextReader
{
public:
    static constexpr std::size_t kDefaultBufferSize = 64 * 1024;

    // Reads from `fd`, which stays owned by the caller, through `buffer`.
    TextReader(int fd, std::span<char> buffer);
    explicit TextReader(int fd, std::size_t bufferSize = kDefaultBufferSize);
    ~TextReader();

    TextReader(const TextReader &) = delete;
    TextReader &operator=(const TextReader &) = delete;

    // Makes at least one byte available; false at end of input.
    bool Fill();
    // As Fill(), but bytes read from now on keep their CRs: for a reader that
    // drops them itself while going through the rest of the text.
    bool FillKeepingCR();
    // The bytes available now; empty until Fill() is called.
    const char *Begin() const { return FBegin; }
    const char *End() const { return FEnd; }
    void Skip(const char *to) { FBegin += to - FBegin; }

    // Starts over at the first byte of the text.
    void Rewind();
    bool Failed() const { return FFailed; }

    // True if the text's file is not what it was when opened (`opened`, its
    // status then): another size or modification time, or `path` now names
    // another file. A text written, shrunk or replaced while being read gives
    // a page that matches no state of it.
    bool ChangedSince(const struct stat &opened, const std::string &path) const;

    // Run control: reports how far the text is read to `control` and ends the
    // input before the next chunk once a cancel is requested.
    void Watch(RunControl *control) { FControl = control; }

private:
    bool FillChunks(bool dropCR);
    void ReadChunk(bool dropCR);

    int FFd;
    std::unique_ptr<char[]> FOwnBuffer;
    char *FBuffer;
    std::size_t FSize;
    char *FBegin;
    char *FEnd;
    bool FChunkHasCR = false;
    bool FAtFirstByte = true;
    bool FEndOfInput = false;
    bool FFailed = false;
    // Where the whole text ends in the buffer, when it fits; otherwise null.
    char *FWholeTextEnd = nullptr;
    // Run control: the watcher, and the bytes read since the first byte.
    RunControl *FControl = nullptr;
    std::uint64_t FOffset = 0;
};
