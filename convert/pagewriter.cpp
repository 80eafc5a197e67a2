#include "pagewriter.h"

#include "bodyencoder.h"
#include "textreader.h"
#include "textwriter.h"

#include <cstring>

namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
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

// Drops bytes up to and including the next line end.
void SkipLine(TextReader &text)
{
    while (text.Fill()) {
        const char *lf =
            static_cast<const char *>(std::memchr(text.Begin(), '\n', text.End() - text.Begin()));
        if (lf) {
            text.Skip(lf + 1);
            return;
        }
        text.Skip(text.End());
    }
}

// Writes the first line that is not blank, converted, with no line end. The
// line has no length limit, so it is read again from the text each time it is
// needed instead of being held.
void WriteFirstLine(TextReader &text, TextWriter &page)
{
    text.Rewind();
    SkipWhiteSpace(text);
    while (text.Fill()) {
        const char *begin = text.Begin();
        const char *lf = static_cast<const char *>(std::memchr(begin, '\n', text.End() - begin));
        const char *stop = lf ? lf : text.End();
        WriteSpaceMarkup(page, begin, stop);
        text.Skip(stop);
        if (lf)
            return;
    }
}

// Copies the rest of the text unchanged (line ends as CR LF). The encoder
// drops the CRs itself, in the same pass.
void CopyRest(TextReader &text, TextWriter &page)
{
    while (text.FillKeepingCR()) {
        WriteUnchanged(page, text.Begin(), text.End());
        text.Skip(text.End());
    }
}

// Writes the rest of the text with spaces, tabs and line ends as markup.
void ConvertRest(TextReader &text, TextWriter &page)
{
    while (text.FillKeepingCR()) {
        WriteSpaceMarkup(page, text.Begin(), text.End());
        text.Skip(text.End());
    }
}

void WritePlainPage(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    if (options.StripLeadingSpace)
        SkipWhiteSpace(text);
    CopyRest(text, page);
}

void WriteHeading(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    if (options.CenterHeading)
        page.Write("\n<center>");
    page.Write("<h" + options.HeadingSize + ">");
    page.Write("<font color=#" + ColorToHex(options.HeadingColor) + ">");
    WriteFirstLine(text, page);
    page.Write("</font>");
    page.Write("</h" + options.HeadingSize + ">");
    if (options.CenterHeading)
        page.Write("\n</center>");
}

// The head with the title, and the body tag.
void WriteHead(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    page.Write("<html>\n<head>\n<title>\n");
    if (options.TitleFromFirstLine)
        WriteFirstLine(text, page);
    else
        page.Write("htm文档\n");
    page.Write("</title>\n</head>\n<body bgcolor=#" + ColorToHex(options.PageColor) + " text=#" +
               ColorToHex(options.TextColor) + ">\n");
}

// Goes to where the body text starts: past the leading white space if it is
// stripped, and past the heading's line if there is a heading. The first kept
// byte of the strip belongs to the heading's line (and is dropped with it) or,
// without a heading, to the body text: nothing is written here.
void SkipToBody(TextReader &text, const ConversionOptions &options)
{
    text.Rewind();
    if (options.StripLeadingSpace)
        SkipWhiteSpace(text);
    if (options.HeadingFromFirstLine)
        SkipLine(text);
}

void WriteBody(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    if (options.KeepFormat) {
        page.Write("<pre><font size=" + options.BodySize + ">");
        CopyRest(text, page);
        page.Write("</font></pre>\n</body>\n</html>\n");
    } else {
        page.Write("\n<font size=" + options.BodySize + ">\n");
        ConvertRest(text, page);
        page.Write("\n</font>\n\n</body>\n</html>\n");
    }
}

void WriteMarkupPage(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    WriteHead(text, page, options);
    if (options.HeadingFromFirstLine)
        WriteHeading(text, page, options);
    SkipToBody(text, options);
    WriteBody(text, page, options);
}

} // namespace

void WritePage(TextReader &text, TextWriter &page, const ConversionOptions &options)
{
    if (options.NoMarkup)
        WritePlainPage(text, page, options);
    else
        WriteMarkupPage(text, page, options);
}
