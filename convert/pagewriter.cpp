#include "pagewriter.h"

#include "bodyencoder.h"
#include "textreader.h"
#include "textwriter.h"
#include "utf8validator.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kByteOrderMark[] = "\xef\xbb\xbf";
constexpr int kByteOrderMarkLength = 3;

// One page being written: the files, the options, and what has been found out
// about the text on the way.
struct Page
{
    TextReader &Text;
    TextWriter &Out;
    const ConversionOptions &Options;
    // The declared character set; empty for none.
    std::string Charset;
    // While the declaration is a guess, every byte of the text goes through
    // this on its last read; the page is abandoned once it fails.
    Utf8Validator *Check = nullptr;
    // Whether the text has been read from (so that the next reading starts
    // over), and whether it begins with a byte-order mark (-1: not known yet).
    bool Started = false;
    int HasMark = -1;
};

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsUtf8Name(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return name == "utf-8" || name == "utf8";
}

// Drops the white space in front of the next other byte, which stays unread.
void SkipWhiteSpace(TextReader &text)
{
    while (text.Fill()) {
        const char *p = text.Begin();
        while (p < text.End() && IsWhiteSpace(*p))
            ++p;
        text.Skip(p);
        if (p < text.End())
            return;
    }
}

void SkipBytes(TextReader &text, int count)
{
    while (count > 0 && text.Fill()) {
        const int take =
            static_cast<int>(std::min<std::ptrdiff_t>(count, text.End() - text.Begin()));
        text.Skip(text.Begin() + take);
        count -= take;
    }
}

// Drops the byte-order mark at the start of the text, if there is one. The
// first time it is looked for in the chunk at hand; a chunk too short to hold
// it is matched byte by byte, and read again from the start if it is not one.
void SkipByteOrderMark(Page &p)
{
    TextReader &text = p.Text;
    if (p.HasMark >= 0) {
        if (p.HasMark)
            SkipBytes(text, kByteOrderMarkLength);
        return;
    }
    if (text.Fill() && text.End() - text.Begin() >= kByteOrderMarkLength) {
        p.HasMark = std::memcmp(text.Begin(), kByteOrderMark, kByteOrderMarkLength) == 0;
        if (p.HasMark)
            text.Skip(text.Begin() + kByteOrderMarkLength);
        return;
    }
    int matched = 0;
    while (matched < kByteOrderMarkLength && text.Fill() &&
           *text.Begin() == kByteOrderMark[matched]) {
        text.Skip(text.Begin() + 1);
        ++matched;
    }
    p.HasMark = matched == kByteOrderMarkLength;
    if (!p.HasMark && matched > 0)
        text.Rewind();
}

// Goes to the first byte of the text, past a byte-order mark that a page
// declared UTF-8 leaves out.
void StartOver(Page &p)
{
    if (p.Started)
        p.Text.Rewind();
    p.Started = true;
    if (!p.Charset.empty() && IsUtf8Name(p.Charset))
        SkipByteOrderMark(p);
}

// Hands [begin, end) to the check, if there is one; false once it fails.
bool Checked(Page &p, const char *begin, const char *end)
{
    return !p.Check || p.Check->Feed(begin, end);
}

// Drops bytes up to and including the next line end.
bool SkipLine(Page &p)
{
    TextReader &text = p.Text;
    while (text.Fill()) {
        const char *lf =
            static_cast<const char *>(std::memchr(text.Begin(), '\n', text.End() - text.Begin()));
        const char *stop = lf ? lf + 1 : text.End();
        if (!Checked(p, text.Begin(), stop))
            return false;
        text.Skip(stop);
        if (lf)
            return true;
    }
    return true;
}

// Writes the first line that is not blank, converted, with no line end. The
// line has no length limit, so it is read again from the text each time it is
// needed instead of being held.
void WriteFirstLine(Page &p)
{
    TextReader &text = p.Text;
    StartOver(p);
    SkipWhiteSpace(text);
    while (text.Fill()) {
        const char *begin = text.Begin();
        const char *lf = static_cast<const char *>(std::memchr(begin, '\n', text.End() - begin));
        const char *stop = lf ? lf : text.End();
        WriteSpaceMarkup(p.Out, begin, stop, p.Options.Escape);
        text.Skip(stop);
        if (lf)
            return;
    }
}

// Copies the rest of the text unchanged (line ends as CR LF). The encoder
// drops the CRs itself, in the same pass.
bool CopyRest(Page &p, bool escape)
{
    TextReader &text = p.Text;
    while (text.FillKeepingCR()) {
        if (!Checked(p, text.Begin(), text.End()))
            return false;
        WriteUnchanged(p.Out, text.Begin(), text.End(), escape);
        text.Skip(text.End());
    }
    return true;
}

// Writes the rest of the text with spaces, tabs and line ends as markup.
bool ConvertRest(Page &p)
{
    TextReader &text = p.Text;
    while (text.FillKeepingCR()) {
        if (!Checked(p, text.Begin(), text.End()))
            return false;
        WriteSpaceMarkup(p.Out, text.Begin(), text.End(), p.Options.Escape);
        text.Skip(text.End());
    }
    return true;
}

void WritePlainPage(Page &p)
{
    if (p.Options.StripLeadingSpace)
        SkipWhiteSpace(p.Text);
    CopyRest(p, false);
}

void WriteHeading(Page &p)
{
    const ConversionOptions &options = p.Options;
    if (options.CenterHeading)
        p.Out.Write("\n<center>");
    p.Out.Write("<h" + options.HeadingSize + ">");
    p.Out.Write("<font color=#" + ColorToHex(options.HeadingColor) + ">");
    WriteFirstLine(p);
    p.Out.Write("</font>");
    p.Out.Write("</h" + options.HeadingSize + ">");
    if (options.CenterHeading)
        p.Out.Write("\n</center>");
}

// The head with the character set and the title, and the body tag.
void WriteHead(Page &p)
{
    const ConversionOptions &options = p.Options;
    p.Out.Write("<html>\n<head>\n");
    if (!p.Charset.empty())
        p.Out.Write("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + p.Charset +
                    "\">\n");
    p.Out.Write("<title>\n");
    if (options.TitleFromFirstLine)
        WriteFirstLine(p);
    else
        p.Out.Write("htm文档\n");
    p.Out.Write("</title>\n</head>\n<body bgcolor=#" + ColorToHex(options.PageColor) + " text=#" +
                ColorToHex(options.TextColor) + ">\n");
}

// Goes to where the body text starts: past the leading white space if it is
// stripped, and past the heading's line if there is a heading. The first kept
// byte of the strip belongs to the heading's line (and is dropped with it) or,
// without a heading, to the body text: nothing is written here.
bool SkipToBody(Page &p)
{
    StartOver(p);
    if (p.Options.StripLeadingSpace)
        SkipWhiteSpace(p.Text);
    return !p.Options.HeadingFromFirstLine || SkipLine(p);
}

bool WriteBody(Page &p)
{
    const ConversionOptions &options = p.Options;
    if (options.KeepFormat) {
        p.Out.Write("<pre><font size=" + options.BodySize + ">");
        if (!CopyRest(p, options.Escape))
            return false;
        p.Out.Write("</font></pre>\n</body>\n</html>\n");
    } else {
        p.Out.Write("\n<font size=" + options.BodySize + ">\n");
        if (!ConvertRest(p))
            return false;
        p.Out.Write("\n</font>\n\n</body>\n</html>\n");
    }
    return true;
}

// False if the page was abandoned because the text failed the check.
bool WriteMarkupPage(Page &p)
{
    WriteHead(p);
    if (p.Options.HeadingFromFirstLine)
        WriteHeading(p);
    return SkipToBody(p) && WriteBody(p) && (!p.Check || p.Check->Finish());
}

// Whether the first chunk of the text, the one the title is read from, holds
// nothing that is not UTF-8. Reads nothing that the title does not read.
bool FirstChunkIsUtf8(TextReader &text)
{
    if (!text.Fill())
        return true;
    Utf8Validator check;
    return check.Feed(text.Begin(), text.End());
}

// With the character set decided from the text: a text whose first chunk is
// UTF-8 is written as UTF-8 while the rest is checked on the read the body
// takes anyway. A text that turns out otherwise further on (rare: the first
// non-UTF-8 byte comes after the first chunk) is written again from the start,
// declared "gb18030".
void WriteAutoCharsetPage(Page &p)
{
    if (FirstChunkIsUtf8(p.Text)) {
        Utf8Validator check;
        Page guess = p;
        guess.Charset = "utf-8";
        guess.Check = &check;
        if (WriteMarkupPage(guess) || !p.Out.Restart())
            return;
        p.Text.Rewind();
    }
    p.Charset = "gb18030";
    WriteMarkupPage(p);
}

} // namespace

void WritePage(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    Page p{text, page, options, options.Charset};
    if (options.NoMarkup)
        WritePlainPage(p);
    else if (options.Charset == kAutoCharset)
        WriteAutoCharsetPage(p);
    else
        WriteMarkupPage(p);
}
