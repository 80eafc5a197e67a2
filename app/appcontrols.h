#pragma once

#include "tcolor.h"

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;
class TForm;
class TLabel;
class TvekButton;
class TvekCheckBox;
class TvekForm;

// What the program's two windows share: their fonts, their frame and the
// settings their skinned buttons and check boxes are all designed with.

// The frame panel's colour, also the combo boxes' button colour.
constexpr TColor kFrameColor = 15263976; // 0x00E8E8E8

// "MS Sans Serif", 11 pixels: the windows' font, used by every control
// without a font of its own.
QFont WindowFont();
// A font of the given face and pixel height.
QFont PixelFont(const QString &family, int pixelSize, bool bold = false);

// The window's own settings: place and client size, caption, font, the
// button-face colour and the minimum width.
void SetUpWindow(TForm *window, const QRect &bounds, const QString &caption);

// The skinned frame in DeepBlue, panel size `panel`, with the title bar's
// caption in Tahoma bold white of the given height; the host takes the
// panel's size plus the border.
TvekForm *NewVekForm(QWidget *host, const QSize &panel, const QString &caption, int titleFontSize,
                     bool minimizeButton);

// A DeepBlue push button: no auto size, opaque, a tab stop, modal result 0.
TvekButton *NewButton(QWidget *parent, const QRect &bounds, const QString &caption);
// A DeepBlue check box: no auto size, opaque, a tab stop.
TvekCheckBox *NewCheckBox(QWidget *parent, const QRect &bounds, const QString &caption,
                          bool checked);
// A plain label in the window's font.
TLabel *NewLabel(QWidget *parent, const QRect &bounds, const QString &caption);
