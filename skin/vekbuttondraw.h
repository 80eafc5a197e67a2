#pragma once

// Drawing steps the skinned buttons share: pictures as an image list draws
// them, the dotted focus rectangle, and the caption's flags and colours.

#include "tcolor.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

// Caption drawing: the system's single-line drawing, "&" marking the accelerator.
inline constexpr int vekCentredText =
    Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
inline constexpr int vekLeftTopText =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

// A disabled caption: grey, over a white copy one pixel down and right.
inline const QColor vekDisabledShadow(0xFF, 0xFF, 0xFF);
inline const QColor vekDisabledText(0x80, 0x80, 0x80);

// The colour of a picture's top-left pixel, its transparent colour.
TColor TopLeftColor(const QImage &picture);

// Draws a picture as an image list of its own size does: masked with its
// top-left pixel's colour or opaque, and embossed in the button highlight and
// shadow colours when drawn disabled.
void DrawImageList(QPainter &canvas, const QPoint &at, const QImage &picture, bool masked,
                   bool enabled);

// The system's dotted focus rectangle: every other pixel of the frame
// inverted, so drawing it twice removes it.
void DrawFocusRect(QPainter &canvas, const QRect &r);

// The rectangle between four edges, right and bottom excluded.
QRect EdgesRect(int left, int top, int right, int bottom);
