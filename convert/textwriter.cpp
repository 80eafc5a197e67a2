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
        WriteOut();
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
            WriteOut();
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
    WriteOut();
    return !FFailed;
}

void TextWriter::WriteOut()
{
    const char *data = FBuffer;
    std::size_t left = FUsed;
    FUsed = 0;
    while (left > 0 && !FFailed) {
        const ssize_t put = ::write(FFd, data, left);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            FFailed = true;
            break;
        }
        data += put;
        left -= put;
    }
}
