#include "conversionoptions.h"

#include <gtest/gtest.h>

TEST(ConversionOptions, DefaultsOfAFreshStart)
{
    const ConversionOptions o;
    EXPECT_TRUE(o.TitleFromFirstLine);
    EXPECT_FALSE(o.NoMarkup);
    EXPECT_FALSE(o.StripLeadingSpace);
    EXPECT_FALSE(o.KeepFormat);
    EXPECT_EQ(o.PageColor, 0x00FFFFFF);
    EXPECT_EQ(o.TextColor, 0);
    EXPECT_TRUE(o.HeadingFromFirstLine);
    EXPECT_TRUE(o.CenterHeading);
    EXPECT_EQ(o.HeadingSize, "2");
    EXPECT_EQ(o.BodySize, "4");
    EXPECT_EQ(o.HeadingColor, 0);
}

TEST(ColorToHex, RedFirstWithLeadingZeros)
{
    const struct
    {
        std::int32_t Colour;
        const char *Hex;
    } cases[] = {
        {0x00FFFFFF, "FFFFFF"},
        {0x00000000, "000000"},
        {0x000000FF, "FF0000"},
        {0x00FF0000, "0000FF"},
        {0x00123456, "563412"},
        {0x0000A0C0, "C0A000"},
        {0x000C0B0A, "0A0B0C"},
        {0x0000FF00, "00FF00"},
        // Bits above the lowest 24 do not show (a system colour's top bit).
        {static_cast<std::int32_t>(0x80000003), "030000"},
        {0x7F0000AB, "AB0000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColorToHex(c.Colour), c.Hex) << std::hex << c.Colour;
}
