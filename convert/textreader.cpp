#include "textreader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr char kCR = '\r';
constexpr char kSUB = '\x1a';

// Drops the CR bytes of [begin, end) in place; returns the new end.
char *DropCR(char *begin, char *end)
{
    char *cr = static_cast<char *>(std::memchr(begin, kCR, end - begin));
    if (!cr)
        return end;
    char *out = cr;
    const char *in = cr + 1;
    while (in < end) {
        const char *next = static_cast<const char *>(std::memchr(in, kCR, end - in));
        const char *stop = next ? next : end;
        std::memmove(out, in, stop - in);
        out += stop - in;
        in = stop + 1;
    }
    return out;
}

} // namespace

TextReader::TextReader(int fd, std::size_t bufferSize)
    : FFd(fd), FSize(bufferSize ? bufferSize : 1), FBuffer(new char[FSize]), FBegin(FBuffer.get()),
      FEnd(FBuffer.get())
{}

TextReader::~TextReader() = default;

bool TextReader::Fill()
{
    while (FBegin == FEnd) {
        if (FEndOfInput || !ReadChunk())
            return false;
    }
    return true;
}

// Reads the next raw chunk and cleans it; false when nothing more comes.
bool TextReader::ReadChunk()
{
    char *buffer = FBuffer.get();
    ssize_t got;
    do {
        got = ::read(FFd, buffer, FSize);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        FFailed = FFailed || got < 0;
        FEndOfInput = true;
        return false;
    }
    char *end = buffer + got;
    if (char *sub = static_cast<char *>(std::memchr(buffer, kSUB, got))) {
        end = sub;
        FEndOfInput = true;
    }
    FBegin = buffer;
    FEnd = DropCR(buffer, end);
    return true;
}

void TextReader::Rewind()
{
    FBegin = FEnd = FBuffer.get();
    FEndOfInput = false;
    if (::lseek(FFd, 0, SEEK_SET) != 0) {
        FFailed = true;
        FEndOfInput = true;
    }
}
