#include "textwriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

TextWriter::TextWriter(int fd, std::span<char> buffer)
    : FFd(fd), FBuffer(buffer.data()), FSize(buffer.size())
{}

TextWriter::TextWriter(int fd, std::size_t bufferSize)
    : FFd(fd), FOwnBuffer(new char[std::max(bufferSize, kMinimumBufferSize)]),
      FBuffer(FOwnBuffer.get()), FSize(std::max(bufferSize, kMinimumBufferSize))
{}

TextWriter::~TextWriter() = default;

char *TextWriter::Reserve(std::size_t size)
{
    if (FSize - FUsed < size)
        WriteOut(false);
    return FBuffer + FUsed;
}

void TextWriter::Write(std::string_view text)
{
    const char *in = text.data();
    const char *end = in + text.size();
    while (in < end) {
        // Each input byte gives at most two output bytes.
        const std::size_t room = FSize - FUsed;
        if (room < 2) {
            WriteOut(false);
            continue;
        }
        const std::size_t take = std::min<std::size_t>(end - in, room / 2);
        const char *stop = in + take;
        char *out = FBuffer + FUsed;
        while (in < stop) {
            const char *lf = static_cast<const char *>(std::memchr(in, '\n', stop - in));
            const char *piece = lf ? lf : stop;
            std::memcpy(out, in, piece - in);
            out += piece - in;
            in = piece;
            if (lf) {
                *out++ = '\r';
                *out++ = '\n';
                ++in;
            }
        }
        FUsed = out - FBuffer;
    }
}

bool TextWriter::Flush()
{
    WriteOut(true);
    return !FFailed;
}

// Writes out the buffered bytes: all of them, or whole file pages only, so
// that every write but the last starts and ends on a page boundary of the
// file.
void TextWriter::WriteOut(bool all)
{
    const std::size_t carried = all || Carried() == 0 ? 0 : FUsed % kFilePage;
    const std::size_t whole = FUsed - carried;
    WriteAll(FBuffer, whole);
    std::memmove(FBuffer, FBuffer + whole, carried);
    FUsed = carried;
}

bool TextWriter::Restart()
{
    FUsed = 0;
    if (FWrittenOut > 0) {
        const off_t at = ::lseek(FFd, 0, SEEK_CUR);
        const off_t start = at - static_cast<off_t>(FWrittenOut);
        if (at < 0 || ::ftruncate(FFd, start) != 0 || ::lseek(FFd, start, SEEK_SET) != start)
            FFailed = true;
        FWrittenOut = 0;
    }
    return !FFailed;
}

void TextWriter::WriteAll(const char *data, std::size_t size)
{
    while (size > 0 && !FFailed) {
        const ssize_t put = ::write(FFd, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            FFailed = true;
            break;
        }
        data += put;
        size -= put;
        FWrittenOut += put;
    }
}
