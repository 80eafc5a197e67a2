#pragma once

#include <QColor>

#include <cstdint>

// A colour value: red in the lowest byte, then green, then blue (0x00BBGGRR).
// Values with the top bit set name a system colour, resolved through the
// application palette when drawn.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clFuchsia = 0x00FF00FF;

// System colours (top bit set, index in the low byte).
constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(0x80000000u | unsigned(index));
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);

constexpr bool IsSystemColor(TColor c)
{
    return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0;
}

// The plain 0x00BBGGRR value of a colour; system colours are looked up in
// the application palette.
TColor ColorToRGB(TColor color);

QColor ToQColor(TColor color);
TColor FromQColor(const QColor &color);
