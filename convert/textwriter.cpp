#include "textwriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// CR LF takes two bytes; Reserve() must always be able to hold one.
constexpr std::size_t kMinimumBufferSize = 64;

} // namespace

TextWriter::TextWriter(int fd, std::size_t bufferSize)
    : FFd(fd), FSize(std::max(bufferSize, kMinimumBufferSize)), FBuffer(new char[FSize])
{}

TextWriter::~TextWriter() = default;

char *TextWriter::Reserve(std::size_t size)
{
    if (FSize - FUsed < size)
        WriteOut();
    return FBuffer.get() + FUsed;
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
        char *out = FBuffer.get() + FUsed;
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
        FUsed = out - FBuffer.get();
    }
}

bool TextWriter::Flush()
{
    WriteOut();
    return !FFailed;
}

void TextWriter::WriteOut()
{
    const char *data = FBuffer.get();
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
