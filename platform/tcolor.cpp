#include "tcolor.h"

#include <QApplication>
#include <QPalette>

namespace {

// The palette entry that stands for a system colour index.
QColor SystemQColor(int index)
{
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 0: // scroll bar
        return pal.color(QPalette::Mid);
    case 1: // desktop
        return pal.color(QPalette::Shadow);
    case 2: // active caption
        return pal.color(QPalette::Active, QPalette::Highlight);
    case 3: // inactive caption: a light grey-blue that does not follow focus
        return QColor(0xBF, 0xCD, 0xDB);
    case 4: // menu
        return pal.color(QPalette::Window);
    case 5: // window
        return pal.color(QPalette::Base);
    case 6: // window frame
        return pal.color(QPalette::Shadow);
    case 7: // menu text
        return pal.color(QPalette::WindowText);
    case 8: // window text
        return pal.color(QPalette::Text);
    case 9: // caption text
        return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 13:
        return pal.color(QPalette::Active, QPalette::Highlight);
    case 14:
        return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 15: // button face
        return pal.color(QPalette::Button);
    case 16: // button shadow
        return pal.color(QPalette::Dark);
    case 17: // grey text
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return pal.color(QPalette::ButtonText);
    case 19: // inactive caption text
        return pal.color(QPalette::Inactive, QPalette::WindowText);
    case 20: // button highlight
        return pal.color(QPalette::Light);
    case 21: // 3D dark shadow
        return pal.color(QPalette::Shadow);
    case 22: // 3D light
        return pal.color(QPalette::Midlight);
    case 23: // info text
        return pal.color(QPalette::ToolTipText);
    case 24: // info background
        return pal.color(QPalette::ToolTipBase);
    default:
        return pal.color(QPalette::Window);
    }
}

} // namespace

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color;
    return FromQColor(SystemQColor(color & 0xFF));
}

QColor ToQColor(TColor color)
{
    if (IsSystemColor(color))
        return SystemQColor(color & 0xFF);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor FromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return TColor(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}
