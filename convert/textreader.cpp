#include "textreader.h"

#include "runcontrol.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

bool SameTime(const timespec &a, const timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

TextReader::TextReader(int fd, std::span<char> buffer)
    : FFd(fd), FBuffer(buffer.data()), FSize(buffer.size()), FBegin(FBuffer), FEnd(FBuffer)
{}

TextReader::TextReader(int fd, std::size_t bufferSize)
    : FFd(fd), FOwnBuffer(new char[bufferSize ? bufferSize : 1]), FBuffer(FOwnBuffer.get()),
      FSize(bufferSize ? bufferSize : 1), FBegin(FBuffer), FEnd(FBuffer)
{}

TextReader::~TextReader() = default;

bool TextReader::Fill()
{
    return FillChunks(true);
}

bool TextReader::FillKeepingCR()
{
    return FillChunks(false);
}

bool TextReader::FillChunks(bool dropCR)
{
    if (FBegin < FEnd && FChunkHasCR && dropCR) {
        FEnd = DropCR(FBegin, FEnd);
        FChunkHasCR = false;
    }
    // A chunk of nothing but CRs is empty when cleaned: read on.
    while (FBegin == FEnd) {
        if (FEndOfInput)
            return false;
        ReadChunk(dropCR);
    }
    return true;
}

// Reads until the buffer is full or the input ends, then cleans the chunk.
void TextReader::ReadChunk(bool dropCR)
{
    // Run control: report, and stop reading once cancelled.
    if (FControl && !FControl->TextRead(FOffset)) {
        FBegin = FEnd = FBuffer;
        FEndOfInput = true;
        return;
    }
    std::size_t got = 0;
    while (got < FSize) {
        const ssize_t n = ::read(FFd, FBuffer + got, FSize - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            FFailed = FFailed || n < 0;
            FEndOfInput = true;
            break;
        }
        got += n;
    }
    FOffset += got; // Run control
    char *end = FBuffer + got;
    if (char *sub = static_cast<char *>(std::memchr(FBuffer, kSUB, got))) {
        end = sub;
        FEndOfInput = true;
    }
    FBegin = FBuffer;
    FEnd = dropCR ? DropCR(FBuffer, end) : end;
    FChunkHasCR = !dropCR;
    if (FAtFirstByte && FEndOfInput && dropCR && !FFailed)
        FWholeTextEnd = FEnd;
    FAtFirstByte = false;
}

void TextReader::Rewind()
{
    // Nothing read yet: already at the first byte.
    if (FAtFirstByte && FBegin == FEnd)
        return;
    FBegin = FBuffer;
    if (FWholeTextEnd) {
        FEnd = FWholeTextEnd;
        return;
    }
    FEnd = FBuffer;
    FChunkHasCR = false;
    FAtFirstByte = true;
    FEndOfInput = false;
    FOffset = 0; // Run control
    if (::lseek(FFd, 0, SEEK_SET) != 0) {
        FFailed = true;
        FEndOfInput = true;
    }
}

bool TextReader::ChangedSince(const struct stat &opened, const std::string &path) const
{
    struct stat now;
    if (::fstat(FFd, &now) != 0 || now.st_size != opened.st_size ||
        !SameTime(now.st_mtim, opened.st_mtim))
        return true;
    return ::stat(path.c_str(), &now) != 0 || !SameFile(now, opened);
}

// O_NONBLOCK keeps a FIFO from blocking the open before it is turned away.
int OpenTextFile(const std::string &path, struct stat &st, int &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return -1;
    }
    return fd;
}
