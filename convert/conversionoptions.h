#pragma once

#include <cstdint>
#include <string>

// The options that shape one page. The windows fill one record per run; the
// defaults are those of a fresh start. The last two are opt-in additions: off,
// every page is what the eleven original options make of it.
struct ConversionOptions
{
    bool TitleFromFirstLine = true;
    bool NoMarkup = false;
    bool StripLeadingSpace = false;
    bool KeepFormat = false;
    std::int32_t PageColor = 0x00FFFFFF; // 0x00BBGGRR
    std::int32_t TextColor = 0x00000000;
    bool HeadingFromFirstLine = true;
    bool CenterHeading = true;
    std::string HeadingSize = "2"; // "1" … "6", written verbatim
    std::string BodySize = "4";    // "1" … "7", written verbatim
    std::int32_t HeadingColor = 0x00000000;
    // The character set declared at the top of the head: empty for none, a
    // name, or kAutoCharset to declare "utf-8" for valid UTF-8 and "gb18030"
    // for any other text. A page declared UTF-8 leaves out the text's
    // byte-order mark.
    std::string Charset;
    // "<", ">", "&" and '"' of the text written as character references.
    bool Escape = false;
};

inline constexpr char kAutoCharset[] = "auto";

// The six upper-case hexadecimal digits of a colour as markup wants them: red,
// green, blue. Bits above the lowest 24 (system colours) do not show.
std::string ColorToHex(std::int32_t colour);
