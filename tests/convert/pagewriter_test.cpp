#include "pagewriter.h"
#include "tempdir.h"
#include "textreader.h"
#include "textwriter.h"
#include "utf8validator.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <unistd.h>

namespace {

// Page lines, each ended by CR LF as the page file holds them.
std::string Lines(std::initializer_list<std::string> lines)
{
    std::string page;
    for (const auto &line : lines)
        page += line + "\r\n";
    return page;
}

// Runs WritePage from `text` through real files, with the given buffer sizes
// (small ones put chunk ends everywhere).
std::string Convert(const std::string &text, const ConversionOptions &options,
                    std::size_t readBuffer = TextReader::kDefaultBufferSize,
                    std::size_t writeBuffer = TextWriter::kDefaultBufferSize)
{
    TempDir dir;
    WriteFile(dir.Path("in.txt"), text);
    const int in = ::open(dir.Path("in.txt").c_str(), O_RDONLY);
    const int out = ::open(dir.Path("out.htm").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    {
        TextReader reader(in, readBuffer);
        TextWriter writer(out, writeBuffer);
        WritePage(reader, writer, options);
        EXPECT_TRUE(writer.Flush());
        EXPECT_FALSE(reader.Failed());
    }
    ::close(in);
    ::close(out);
    return ReadFile(dir.Path("out.htm"));
}

struct Golden
{
    const char *Name;
    std::string Text;
    void (*Set)(ConversionOptions &);
    std::string Page;
};

const std::string kExample = "Hello World\r\nLine 2\r\n";

const Golden kGoldens[] = {
    {"WorkedExample", kExample, [](ConversionOptions &) {},
     Lines({"<html>", "<head>", "<title>", "Hello&nbsp;World</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "",
            "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>", "</center>",
            "<font size=4>", "Line&nbsp;2<br>", "</font>", "", "</body>", "</html>"})},
    {"FixedTitle", kExample, [](ConversionOptions &o) { o.TitleFromFirstLine = false; },
     Lines({"<html>", "<head>", "<title>", "htm文档", "</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "",
            "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>", "</center>",
            "<font size=4>", "Line&nbsp;2<br>", "</font>", "", "</body>", "</html>"})},
    {"HeadingNotCentred", kExample, [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "Hello&nbsp;World</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>Hello&nbsp;World</font></h2>", "<font size=4>",
            "Line&nbsp;2<br>", "</font>", "", "</body>", "</html>"})},
    {"NoHeading", kExample, [](ConversionOptions &o) { o.HeadingFromFirstLine = false; },
     Lines({"<html>", "<head>", "<title>", "Hello&nbsp;World</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>",
            "Hello&nbsp;World<br>Line&nbsp;2<br>", "</font>", "", "</body>", "</html>"})},
    {"KeepFormat", kExample, [](ConversionOptions &o) { o.KeepFormat = true; },
     Lines({"<html>", "<head>", "<title>", "Hello&nbsp;World</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "",
            "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>",
            "</center><pre><font size=4>Line 2", "</font></pre>", "</body>", "</html>"})},
    {"NoMarkup", kExample, [](ConversionOptions &o) { o.NoMarkup = true; },
     "Hello World\r\nLine 2\r\n"},
    {"OptionsInTheMarkup", "T\nb\n",
     [](ConversionOptions &o) {
         o.PageColor = 0x00123456;
         o.TextColor = 0x000000FF;
         o.HeadingColor = 0x00FF0000;
         o.HeadingSize = "5";
         o.BodySize = "7";
     },
     Lines({"<html>", "<head>", "<title>", "T</title>", "</head>",
            "<body bgcolor=#563412 text=#FF0000>", "",
            "<center><h5><font color=#0000FF>T</font></h5>", "</center>", "<font size=7>",
            "b<br>", "</font>", "", "</body>", "</html>"})},
    {"NoLineEndHeadingTakesAll", "Hello", [](ConversionOptions &) {},
     Lines({"<html>", "<head>", "<title>", "Hello</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "",
            "<center><h2><font color=#000000>Hello</font></h2>", "</center>", "<font size=4>",
            "", "</font>", "", "</body>", "</html>"})},
    {"NoLineEndWithoutHeading", "Hello",
     [](ConversionOptions &o) { o.HeadingFromFirstLine = false; },
     Lines({"<html>", "<head>", "<title>", "Hello</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>", "Hello", "</font>", "",
            "</body>", "</html>"})},
    // The title and heading skip blank lines; the body only loses the file's
    // first line, so the heading's line comes again.
    {"BlankLinesBeforeFirstLine", "\n  \nTitle\nBody\n",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "Title</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>Title</font></h2>", "<font size=4>",
            "&nbsp;&nbsp;<br>Title<br>Body<br>", "</font>", "", "</body>", "</html>"})},
    // Stripped first: the heading's own line is the one dropped, its first
    // byte with it.
    {"StripWithHeading", "\n  \nTitle\nBody\n",
     [](ConversionOptions &o) {
         o.CenterHeading = false;
         o.StripLeadingSpace = true;
     },
     Lines({"<html>", "<head>", "<title>", "Title</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>Title</font></h2>", "<font size=4>", "Body<br>", "</font>",
            "", "</body>", "</html>"})},
    // Without a heading the first kept byte opens the body text.
    {"StripWithoutHeading", "\n \tX y\n",
     [](ConversionOptions &o) {
         o.HeadingFromFirstLine = false;
         o.StripLeadingSpace = true;
     },
     Lines({"<html>", "<head>", "<title>", "X&nbsp;y</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>", "X&nbsp;y<br>",
            "</font>", "", "</body>", "</html>"})},
    {"StripWithoutHeadingKeepFormat", "\n \tX y\n",
     [](ConversionOptions &o) {
         o.HeadingFromFirstLine = false;
         o.StripLeadingSpace = true;
         o.KeepFormat = true;
     },
     Lines({"<html>", "<head>", "<title>", "X&nbsp;y</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "<pre><font size=4>X y", "</font></pre>",
            "</body>", "</html>"})},
    {"TabsAndSpacesInFirstLine", " \ta\tb c\nz",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>",
            "a&nbsp;&nbsp;&nbsp;&nbsp;b&nbsp;c</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>a&nbsp;&nbsp;&nbsp;&nbsp;b&nbsp;c</font></h2>",
            "<font size=4>", "z", "</font>", "", "</body>", "</html>"})},
    // Lone CRs vanish and break no line; a SUB ends the text.
    {"LoneCRAndSUB", "A\rB\r\nC\rD\x1a" "E\nF",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "AB</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "<h2><font color=#000000>AB</font></h2>",
            "<font size=4>", "CD", "</font>", "", "</body>", "</html>"})},
    {"NoMarkupLoneCRAndSUB", "A\rB\r\nC\nD\x1a" "E\r\n",
     [](ConversionOptions &o) { o.NoMarkup = true; }, "AB\r\nC\r\nD"},
    {"MarkupCharactersUnescaped", "<b>&amp; \"q\"\n<i>&lt;'\n",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "<b>&amp;&nbsp;\"q\"</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000><b>&amp;&nbsp;\"q\"</font></h2>", "<font size=4>",
            "<i>&lt;'<br>", "</font>", "", "</body>", "</html>"})},
    {"BodySpacesAndTabsConverted", "T\n   a\tb\n",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "T</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "<h2><font color=#000000>T</font></h2>",
            "<font size=4>",
            "&nbsp;&nbsp;&nbsp;a&nbsp;&nbsp;&nbsp;&nbsp;b<br>", "</font>", "", "</body>",
            "</html>"})},
    {"KeepFormatLeavesSpacesAndCRLF", "T\r\n   a\tb\r\n\r\nc",
     [](ConversionOptions &o) {
         o.CenterHeading = false;
         o.KeepFormat = true;
     },
     Lines({"<html>", "<head>", "<title>", "T</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>T</font></h2><pre><font size=4>   a\tb", "",
            "c</font></pre>", "</body>", "</html>"})},
    {"NoMarkupStrip", "\r\n\n  \tHi there\n\tx\n",
     [](ConversionOptions &o) {
         o.NoMarkup = true;
         o.StripLeadingSpace = true;
     },
     "Hi there\r\n\tx\r\n"},
    // Bytes of any code page pass unchanged (GBK and UTF-8 here).
    {"DoubleByteTextUnchanged", "\xd6\xd0\xce\xc4 \xe4\xb8\xad\n\xa1\xa1x",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "\xd6\xd0\xce\xc4&nbsp;\xe4\xb8\xad</title>",
            "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>\xd6\xd0\xce\xc4&nbsp;\xe4\xb8\xad</font></h2>",
            "<font size=4>", "\xa1\xa1x", "</font>", "", "</body>", "</html>"})},
    // Nothing but white space: an empty first line, nothing from the strip.
    {"OnlyWhiteSpaceStripped", " \t\n\n ",
     [](ConversionOptions &o) {
         o.StripLeadingSpace = true;
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>", "<title>", "</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "<h2><font color=#000000></font></h2>",
            "<font size=4>", "", "</font>", "", "</body>", "</html>"})},
    {"OnlyWhiteSpaceNotStripped", " \t\n\n ",
     [](ConversionOptions &o) { o.CenterHeading = false; },
     Lines({"<html>", "<head>", "<title>", "</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "<h2><font color=#000000></font></h2>",
            "<font size=4>", "<br>&nbsp;", "</font>", "", "</body>", "</html>"})},
    {"EmptyText", "", [](ConversionOptions &) {},
     Lines({"<html>", "<head>", "<title>", "</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "", "<center><h2><font color=#000000></font></h2>",
            "</center>", "<font size=4>", "", "</font>", "", "</body>", "</html>"})},
    {"EmptyTextNoMarkupStrip", "",
     [](ConversionOptions &o) {
         o.NoMarkup = true;
         o.StripLeadingSpace = true;
     },
     ""},
    {"WhiteSpaceNoMarkupStrip", "\n \t\r\n",
     [](ConversionOptions &o) {
         o.NoMarkup = true;
         o.StripLeadingSpace = true;
     },
     ""},
    // A named character set is declared as it is given, first in the head.
    {"CharsetNamed", kExample, [](ConversionOptions &o) { o.Charset = "ISO-8859-1"; },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">",
            "<title>", "Hello&nbsp;World</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>", "",
            "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>", "</center>",
            "<font size=4>", "Line&nbsp;2<br>", "</font>", "", "</body>", "</html>"})},
    // Declared UTF-8, the byte-order mark stays out of the title and heading.
    {"CharsetUtf8LeavesOutTheMark", "\xef\xbb\xbfHi\r\nb\r\n",
     [](ConversionOptions &o) {
         o.Charset = "UTF-8";
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">",
            "<title>", "Hi</title>", "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>Hi</font></h2>", "<font size=4>", "b<br>", "</font>", "",
            "</body>", "</html>"})},
    // ... and out of the body when there is no heading; the white space
    // behind it is stripped as the start of the text.
    {"CharsetUtf8MarkWithoutHeading", "\xef\xbb\xbf \nHi\n",
     [](ConversionOptions &o) {
         o.Charset = "utf8";
         o.HeadingFromFirstLine = false;
         o.StripLeadingSpace = true;
         o.KeepFormat = true;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf8\">",
            "<title>", "Hi</title>", "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "<pre><font size=4>Hi", "</font></pre>", "</body>", "</html>"})},
    // Declared otherwise, the mark is a byte of the text like any other.
    {"CharsetOtherKeepsTheMark", "\xef\xbb\xbfHi\n",
     [](ConversionOptions &o) {
         o.Charset = "gb18030";
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">",
            "<title>", "\xef\xbb\xbfHi</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>\xef\xbb\xbfHi</font></h2>", "<font size=4>", "",
            "</font>", "", "</body>", "</html>"})},
    // Almost a mark: kept whole.
    {"CharsetUtf8HalfAMark", "\xef\xbbx\n",
     [](ConversionOptions &o) {
         o.Charset = "utf-8";
         o.HeadingFromFirstLine = false;
         o.TitleFromFirstLine = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
            "<title>", "htm文档", "</title>", "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "", "<font size=4>", "\xef\xbbx<br>", "</font>", "", "</body>", "</html>"})},
    {"CharsetAutoUtf8", "\xef\xbb\xbf\xe4\xb8\xad \xe6\x96\x87\r\n\xf0\x9f\x98\x80\r\n",
     [](ConversionOptions &o) {
         o.Charset = kAutoCharset;
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
            "<title>", "\xe4\xb8\xad&nbsp;\xe6\x96\x87</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>\xe4\xb8\xad&nbsp;\xe6\x96\x87</font></h2>",
            "<font size=4>", "\xf0\x9f\x98\x80<br>", "</font>", "", "</body>", "</html>"})},
    // GBK bytes are not UTF-8; the mark then stays, as it is no mark there.
    {"CharsetAutoOther", "\xef\xbb\xbf\xd6\xd0\xce\xc4\nx\n",
     [](ConversionOptions &o) {
         o.Charset = kAutoCharset;
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">",
            "<title>", "\xef\xbb\xbf\xd6\xd0\xce\xc4</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>\xef\xbb\xbf\xd6\xd0\xce\xc4</font></h2>",
            "<font size=4>", "x<br>", "</font>", "", "</body>", "</html>"})},
    // A character cut off by the end of the text is not UTF-8.
    {"CharsetAutoCutOff", "a\n\xe4\xb8",
     [](ConversionOptions &o) {
         o.Charset = kAutoCharset;
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">",
            "<title>", "a</title>", "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>a</font></h2>", "<font size=4>", "\xe4\xb8", "</font>", "",
            "</body>", "</html>"})},
    {"CharsetAutoEmptyText", "", [](ConversionOptions &o) { o.Charset = kAutoCharset; },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
            "<title>", "</title>", "</head>", "<body bgcolor=#FFFFFF text=#000000>", "",
            "<center><h2><font color=#000000></font></h2>", "</center>", "<font size=4>", "",
            "</font>", "", "</body>", "</html>"})},
    // A page without markup has no head: nothing is declared or left out.
    {"CharsetWithoutMarkup", "\xef\xbb\xbfHi <b>\n",
     [](ConversionOptions &o) {
         o.Charset = kAutoCharset;
         o.Escape = true;
         o.NoMarkup = true;
     },
     "\xef\xbb\xbfHi <b>\r\n"},
    {"EscapeMarkup", "<b>&amp; \"q\"\n<i>&lt;'>\n",
     [](ConversionOptions &o) {
         o.Escape = true;
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>", "<title>", "&lt;b&gt;&amp;amp;&nbsp;&quot;q&quot;</title>",
            "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>&lt;b&gt;&amp;amp;&nbsp;&quot;q&quot;</font></h2>",
            "<font size=4>", "&lt;i&gt;&amp;lt;'&gt;<br>", "</font>", "", "</body>", "</html>"})},
    {"EscapeKeepFormat", "T&\r\n <a href=\"x\">\r\n",
     [](ConversionOptions &o) {
         o.Escape = true;
         o.KeepFormat = true;
         o.CenterHeading = false;
     },
     Lines({"<html>", "<head>", "<title>", "T&amp;</title>", "</head>",
            "<body bgcolor=#FFFFFF text=#000000>",
            "<h2><font color=#000000>T&amp;</font></h2><pre><font size=4> &lt;a "
            "href=&quot;x&quot;&gt;",
            "</font></pre>", "</body>", "</html>"})},
    {"EscapeWithFixedTitleAndCharset", "<x>\n",
     [](ConversionOptions &o) {
         o.Escape = true;
         o.Charset = kAutoCharset;
         o.TitleFromFirstLine = false;
         o.HeadingFromFirstLine = false;
     },
     Lines({"<html>", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
            "<title>", "htm文档", "</title>", "</head>", "<body bgcolor=#FFFFFF text=#000000>",
            "", "<font size=4>", "&lt;x&gt;<br>", "</font>", "", "</body>", "</html>"})},
};

class PageWriterGolden : public testing::TestWithParam<Golden>
{
};

TEST_P(PageWriterGolden, WritesTheExactBytes)
{
    const Golden &g = GetParam();
    ConversionOptions options;
    g.Set(options);
    EXPECT_EQ(Convert(g.Text, options), g.Page);
    // Chunk ends anywhere, in the text and in the page, change nothing.
    for (std::size_t size : {1, 2, 3, 7})
        EXPECT_EQ(Convert(g.Text, options, size, 64), g.Page) << "read buffer " << size;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageWriterGolden, testing::ValuesIn(kGoldens),
                         [](const auto &info) { return std::string(info.param.Name); });

// A plain model of the body's markup, to check the fast paths on long texts.
std::string ModelBody(const std::string &text)
{
    std::string body;
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\x1a')
            break;
        if (c == ' ')
            body += "&nbsp;";
        else if (c == '\t')
            body += "&nbsp;&nbsp;&nbsp;&nbsp;";
        else if (c == '\n')
            body += "<br>";
        else
            body += c;
    }
    return body;
}

// The same with the markup characters escaped.
std::string ModelEscapedBody(const std::string &text)
{
    std::string body;
    for (char c : text) {
        if (c == '<')
            body += "&lt;";
        else if (c == '>')
            body += "&gt;";
        else if (c == '&')
            body += "&amp;";
        else if (c == '"')
            body += "&quot;";
        else
            body += ModelBody(std::string(1, c));
    }
    return body;
}

// Options that leave the whole text to the body: a fixed title, no heading.
ConversionOptions BodyOnly()
{
    ConversionOptions options;
    options.TitleFromFirstLine = false;
    options.HeadingFromFirstLine = false;
    return options;
}

// The page that BodyOnly() gives for `text`, from the plain model.
std::string ModelBodyOnlyPage(const std::string &text)
{
    return Lines({"<html>", "<head>", "<title>", "htm文档", "</title>", "</head>",
                  "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>"}) +
           ModelBody(text) + "\r\n</font>\r\n\r\n</body>\r\n</html>\r\n";
}

TEST(PageWriter, LongMixedBodyMatchesPlainModel)
{
    std::mt19937 random(7);
    const char alphabet[] = {'a', 'b', ' ', '\t', '\n', '\r', '\xe4', '\xb8', '\x0b', '<'};
    std::string text = "x";
    for (int i = 0; i < 300000; ++i) {
        // Long runs without white space alternate with dense ones.
        const bool dense = (i / 1000) % 2;
        text += alphabet[random() % (dense ? sizeof alphabet : 2)];
    }
    const ConversionOptions options = BodyOnly();
    EXPECT_EQ(Convert(text, options), ModelBodyOnlyPage(text));
    EXPECT_EQ(Convert(text, options, 4093, 1000), ModelBodyOnlyPage(text));
    // A buffer that writes whole file pages and keeps the rest for later.
    EXPECT_EQ(Convert(text, options, 4093, 20000), ModelBodyOnlyPage(text));
}

// Bodies of every length up to a few steps of the encoders, so that each way
// a text can end inside a step is met.
TEST(PageWriter, ShortBodiesMatchPlainModel)
{
    std::mt19937 random(5);
    const char alphabet[] = {'a', ' ', '\t', '\n', '\r', '\xe4', '&'};
    const ConversionOptions options = BodyOnly();
    for (int length = 0; length <= 70; ++length) {
        for (int round = 0; round < 4; ++round) {
            std::string text;
            for (int i = 0; i < length; ++i)
                text += alphabet[random() % sizeof alphabet];
            ASSERT_EQ(Convert(text, options), ModelBodyOnlyPage(text)) << length;
        }
    }
}

// The escaping encoders on long and short texts: the references are found in
// every place of a window, beside white space and behind runs of blanks.
TEST(PageWriter, EscapedBodiesMatchPlainModel)
{
    std::mt19937 random(13);
    const char alphabet[] = {'a', 'b', ' ', '\t', '\n', '\r', '\xe4', '<', '>', '&', '"', ';'};
    ConversionOptions options = BodyOnly();
    options.Escape = true;
    const std::string head = Lines({"<html>", "<head>", "<title>", "htm文档", "</title>", "</head>",
                                    "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>"});
    const auto page = [&](const std::string &text) {
        return head + ModelEscapedBody(text) + "\r\n</font>\r\n\r\n</body>\r\n</html>\r\n";
    };
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        const bool dense = (i / 1000) % 2;
        text += alphabet[random() % (dense ? sizeof alphabet : 2)];
    }
    EXPECT_EQ(Convert(text, options), page(text));
    EXPECT_EQ(Convert(text, options, 4093, 1000), page(text));
    for (int length = 0; length <= 70; ++length) {
        std::string shortText;
        for (int i = 0; i < length; ++i)
            shortText += alphabet[random() % sizeof alphabet];
        ASSERT_EQ(Convert(shortText, options), page(shortText)) << length;
    }
}

// A plain model of the preformatted body: CRs dropped, line ends as CR LF.
std::string ModelKeptBody(const std::string &text)
{
    std::string body;
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n')
            body += '\r';
        body += c;
    }
    return body;
}

// Line ends and CRs on their own, pairs split between windows and long
// stretches with nothing to change, all through the fast paths.
TEST(PageWriter, LongPreformattedBodyMatchesPlainModel)
{
    std::mt19937 random(11);
    const char alphabet[] = {'a', ' ', '\n', '\r', '\t', '\xe4', 'b', 'c'};
    std::string text = "x\n";
    for (int i = 0; i < 300000; ++i) {
        const bool dense = (i / 1000) % 2;
        if (dense && random() % 4 == 0)
            text += "\r\n";
        else
            text += alphabet[random() % (dense ? sizeof alphabet : 1)];
    }
    ConversionOptions options;
    options.KeepFormat = true;
    options.TitleFromFirstLine = false;
    const std::string head = Lines({"<html>", "<head>", "<title>", "htm文档", "</title>", "</head>",
                                    "<body bgcolor=#FFFFFF text=#000000>", "",
                                    "<center><h2><font color=#000000>x</font></h2>"}) +
                             "</center><pre><font size=4>";
    const std::string body = ModelKeptBody(text.substr(2));
    const std::string tail = "</font></pre>\r\n</body>\r\n</html>\r\n";
    EXPECT_EQ(Convert(text, options), head + body + tail);
    EXPECT_EQ(Convert(text, options, 4093, 1000), head + body + tail);
    EXPECT_EQ(Convert(text, options, 4093, 20000), head + body + tail);
}

// A first line longer than any buffer is read again from the text for the
// title and the heading, with the body after it.
TEST(PageWriter, FirstLineLongerThanTheBuffers)
{
    std::string line;
    for (int i = 1; line.size() < 3 * TextReader::kDefaultBufferSize; ++i)
        line += (i % 7 == 0) ? "\t" : (i % 3 == 0 ? " " : "word");
    const std::string text = "\r\n  " + line + "\r\nbody\r\n";
    const std::string converted = ModelBody(line);
    const std::string page =
        Lines({"<html>", "<head>", "<title>", converted + "</title>", "</head>",
               "<body bgcolor=#FFFFFF text=#000000>", "",
               "<center><h2><font color=#000000>" + converted + "</font></h2>", "</center>",
               "<font size=4>", "body<br>", "</font>", "", "</body>", "</html>"});
    ConversionOptions options;
    options.StripLeadingSpace = true;
    EXPECT_EQ(Convert(text, options), page);
    EXPECT_EQ(Convert(text, options, 1000, 100), page);
}

// The preformatted body escaped, through the windows of the fast path.
TEST(PageWriter, EscapedPreformattedBodyMatchesPlainModel)
{
    std::mt19937 random(17);
    const char alphabet[] = {'a', ' ', '\n', '\r', '<', '"', '&', '>', 'c'};
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += random() % 3 ? "\r\n" : std::string(1, alphabet[random() % sizeof alphabet]);
    ConversionOptions options = BodyOnly();
    options.KeepFormat = true;
    options.Escape = true;
    std::string body;
    for (char c : ModelKeptBody(text)) {
        if (c == '<' || c == '>' || c == '&' || c == '"')
            body += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : "&quot;";
        else
            body += c;
    }
    const std::string page = Lines({"<html>", "<head>", "<title>", "htm文档", "</title>", "</head>",
                                    "<body bgcolor=#FFFFFF text=#000000>"}) +
                             "<pre><font size=4>" + body +
                             "</font></pre>\r\n</body>\r\n</html>\r\n";
    EXPECT_EQ(Convert(text, options), page);
    EXPECT_EQ(Convert(text, options, 4093, 1000), page);
}

// Valid UTF-8 for longer than the first chunk, then a byte that is not: the
// page is started over and declared "gb18030", the mark kept, with what had
// gone out to the file already cut away.
TEST(PageWriter, AutoCharsetDecidedLateStartsOver)
{
    std::string body;
    while (body.size() < 3 * TextReader::kDefaultBufferSize)
        body += "\xe4\xb8\xad text\r\n";
    for (const char *tail : {"\xff", "x\xe4"}) {
        const std::string text = "\xef\xbb\xbfT\r\n" + body + tail;
        ConversionOptions options = BodyOnly();
        options.Charset = kAutoCharset;
        const std::string page =
            Lines({"<html>", "<head>",
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">",
                   "<title>", "htm文档", "</title>", "</head>",
                   "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>"}) +
            ModelBody(text) + "\r\n</font>\r\n\r\n</body>\r\n</html>\r\n";
        EXPECT_EQ(Convert(text, options), page);
        EXPECT_EQ(Convert(text, options, 1000, 1024), page);
        // Valid to the end: declared UTF-8, the mark left out.
        const std::string valid = "\xef\xbb\xbfT\r\n" + body;
        const std::string validPage =
            Lines({"<html>", "<head>",
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
                   "<title>", "htm文档", "</title>", "</head>",
                   "<body bgcolor=#FFFFFF text=#000000>", "", "<font size=4>"}) +
            ModelBody(valid.substr(3)) + "\r\n</font>\r\n\r\n</body>\r\n</html>\r\n";
        EXPECT_EQ(Convert(valid, options, 1000, 1024), validPage);
    }
}

TEST(Utf8Validator, TellsWellFormedText)
{
    const struct
    {
        const char *Name;
        std::string Bytes;
        bool Valid;
    } cases[] = {
        {"ascii", "plain text, 16 bytes and more of it", true},
        {"two-byte", "\xc2\xa9 \xdf\xbf", true},
        {"three-byte", "\xe4\xb8\xad\xef\xbf\xbd", true},
        {"four-byte", "\xf0\x90\x80\x80\xf4\x8f\xbf\xbf", true},
        {"CR inside a character", "\xe4\r\xb8\xad", false},
        {"lone continuation", "a\x80", false},
        {"overlong two-byte", "\xc0\xaf", false},
        {"overlong three-byte", "\xe0\x80\xaf", false},
        {"surrogate", "\xed\xa0\x80", false},
        {"above U+10FFFF", "\xf4\x90\x80\x80", false},
        {"lead byte F5", "\xf5\x80\x80\x80", false},
        {"cut off", "ab\xe4\xb8", false},
        {"GBK", "\xd6\xd0\xce\xc4", false},
        {"invalid after sixteen ASCII", "0123456789abcdef\xff", false},
    };
    for (const auto &c : cases) {
        Utf8Validator whole;
        whole.Feed(c.Bytes.data(), c.Bytes.data() + c.Bytes.size());
        EXPECT_EQ(whole.Finish(), c.Valid) << c.Name;
        // Byte by byte, every character split between pieces.
        Utf8Validator pieces;
        for (char b : c.Bytes)
            pieces.Feed(&b, &b + 1);
        EXPECT_EQ(pieces.Finish(), c.Valid) << c.Name;
    }
}

// A plain decoder as the model of well-formed UTF-8.
bool IsUtf8Model(const std::string &text)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = text[i];
        int length = c < 0x80                 ? 1
                     : c >= 0xC2 && c <= 0xDF ? 2
                     : c >= 0xE0 && c <= 0xEF ? 3
                     : c >= 0xF0 && c <= 0xF4 ? 4
                                              : 0;
        if (length == 0 || i + length > text.size())
            return false;
        std::uint32_t code = length == 1 ? c : c & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) {
            const unsigned char b = text[i + k];
            if ((b & 0xC0) != 0x80)
                return false;
            code = code << 6 | (b & 0x3F);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Long texts, through the checks that take whole blocks: valid characters of
// every length in every place of a block, with one byte changed in some.
TEST(Utf8Validator, LongTextsMatchPlainDecoder)
{
    std::mt19937 random(23);
    const char *const characters[] = {"a",
                                      " ",
                                      "\r\n",
                                      "\xc2\xa9",
                                      "\xdf\xbf",
                                      "\xe4\xb8\xad",
                                      "\xe0\xa0\x80",
                                      "\xed\x9f\xbf",
                                      "\xef\xbf\xbf",
                                      "\xf0\x90\x80\x80",
                                      "\xf4\x8f\xbf\xbf"};
    const unsigned char replacements[] = {0x80, 0xBF, 0xC0, 0xC1, 0xE0, 0xED, 0xF0,
                                          0xF4, 0xF5, 0xFF, 'a',  0xA0, 0x90};
    int invalid = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const std::size_t length = 1 + random() % 300;
        while (text.size() < length)
            text += characters[random() % std::size(characters)];
        if (round % 3 != 0)
            text[random() % text.size()] =
                static_cast<char>(replacements[random() % std::size(replacements)]);
        const bool expected = IsUtf8Model(text);
        invalid += !expected;
        Utf8Validator whole;
        whole.Feed(text.data(), text.data() + text.size());
        ASSERT_EQ(whole.Finish(), expected) << round;
        Utf8Validator pieces;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t take = std::min<std::size_t>(1 + random() % 100, text.size() - at);
            pieces.Feed(text.data() + at, text.data() + at + take);
            at += take;
        }
        ASSERT_EQ(pieces.Finish(), expected) << round;
    }
    EXPECT_GT(invalid, 1000);
}

TEST(TextReader, FailedReadEndsInputAndIsReported)
{
    // Reading a folder fails (EISDIR), as a failing disk would.
    const int fd = ::open("/", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    TextReader reader(fd);
    EXPECT_FALSE(reader.Fill());
    EXPECT_TRUE(reader.Failed());
    ::close(fd);
}

TEST(TextWriter, FailedWriteIsReported)
{
    const int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0)
        GTEST_SKIP() << "no /dev/full";
    TextWriter writer(fd);
    writer.Write("x\n");
    EXPECT_FALSE(writer.Flush());
    EXPECT_TRUE(writer.Failed());
    ::close(fd);
}

} // namespace
