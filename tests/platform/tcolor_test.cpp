#include "tcolor.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(TColor, PlainColoursAreRedInTheLowestByte)
{
    EXPECT_EQ(ToQColor(0x00332211), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(ToQColor(clRed), QColor(Qt::red));
    EXPECT_EQ(ToQColor(clBlue), QColor(Qt::blue));
    EXPECT_EQ(ToQColor(15263976), QColor(232, 232, 232));
    EXPECT_EQ(FromQColor(QColor(0x11, 0x22, 0x33)), 0x00332211);
    EXPECT_EQ(FromQColor(QColor(Qt::white)), clWhite);
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
}

TEST(TColor, SystemColoursFollowTheApplicationPalette)
{
    const QPalette pal = QApplication::palette();
    const struct
    {
        TColor color;
        QColor expected;
    } cases[] = {
        {clBtnFace, pal.color(QPalette::Button)},
        {clWindow, pal.color(QPalette::Base)},
        {clWindowText, pal.color(QPalette::Text)},
        {clBtnText, pal.color(QPalette::ButtonText)},
        {clHighlight, pal.color(QPalette::Active, QPalette::Highlight)},
        {clHighlightText, pal.color(QPalette::Active, QPalette::HighlightedText)},
        {clGrayText, pal.color(QPalette::Disabled, QPalette::Text)},
        {clBtnShadow, pal.color(QPalette::Dark)},
        {clBtnHighlight, pal.color(QPalette::Light)},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(IsSystemColor(c.color));
        EXPECT_EQ(ToQColor(c.color), c.expected) << std::hex << c.color;
        EXPECT_EQ(ColorToRGB(c.color), FromQColor(c.expected)) << std::hex << c.color;
    }
    EXPECT_EQ(clBtnFace, TColor(0x8000000F));
    EXPECT_EQ(clInactiveCaption, TColor(0x80000003));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(TColor, EverySystemColourResolvesToAPlainValue)
{
    for (int index = 0; index <= 30; ++index) {
        const TColor rgb = ColorToRGB(SystemColor(index));
        EXPECT_FALSE(IsSystemColor(rgb)) << index;
        EXPECT_TRUE(ToQColor(SystemColor(index)).isValid()) << index;
    }
}
