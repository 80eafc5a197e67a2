#pragma once

#include <cstdint>
#include <string>

// The eleven options that shape one page. The windows fill one record per run;
// the defaults are those of a fresh start.
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
};

// The six upper-case hexadecimal digits of a colour as markup wants them: red,
// green, blue. Bits above the lowest 24 (system colours) do not show.
std::string ColorToHex(std::int32_t colour);
