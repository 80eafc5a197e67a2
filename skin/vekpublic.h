#pragma once

#include "tcolor.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QObject;
class QPainter;
class QWidget;

// The transparent colour of the skin bitmaps.
constexpr TColor vekTransparentColor = clFuchsia;

// Rectangles are QRects (x, y, width, height); "right" and "bottom" below
// mean x + width and y + height, exclusive, as the platform's rectangles.

// Draws a skin bitmap into r in nine pieces: the corners keep their size,
// edges and middle stretch.
void SpitDraw(const QImage &bitmap, QPainter &canvas, const QRect &r, bool transparent);
// Draws a bitmap of three equal parts side by side into r, the middle stretched.
void SpitDrawHorizontal(const QImage &bitmap, QPainter &canvas, const QRect &r, bool transparent);
// Repeats the picture unscaled over r, starting at the canvas origin.
void TileDraw(QPainter &canvas, const QImage &picture, const QRect &r);
// Paints the control's parent's background (what lies under the control)
// into the canvas, in the control's coordinates.
void DoTrans(QPainter &canvas, QWidget *control);
// Two one-pixel frames over the control's edge: the border colour outside,
// the inner colour inside. Called from the control's paint handling.
void DrawControlBorder(QWidget *control, TColor borderColor, TColor innerColor);
// The same two frames on r, with a painter the caller already holds.
void DrawControlBorder(QPainter &canvas, const QRect &r, TColor borderColor, TColor innerColor);
// Rotates the bitmap a quarter turn counter-clockwise / clockwise, in place.
void RoundPicture(QImage &bitmap);
void RoundPicture3(QImage &bitmap);
// True when the point lies in the rectangle, all four edges included.
bool InRect(const QPoint &p, const QRect &r);
bool InRect(int x, int y, const QRect &r);
QRect GetWorkAreaRect();
void PlaceControl(QWidget *control, const QPoint &p);
void PlaceControl(QWidget *control, const QRect &r);
QString PCharToStr(const char *text);
void SetWinControlTransparent(QWidget *control);
// Gives the text area of an item view or an edit field (the palette's Base) a colour.
void SetBaseColor(QWidget *control, TColor color);
// The colour a control that follows its parent shows: the parent's own
// `Color` where it has one, else its background.
TColor ParentBackgroundColor(const QWidget *parent);
// True when the component's class has a published property of that name.
bool IsHasProperty(const QObject *component, const char *name);

// A copy of the bitmap with every pixel of the mask colour made transparent.
QImage MaskedImage(const QImage &bitmap, TColor maskColor = vekTransparentColor);
