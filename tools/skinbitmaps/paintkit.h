#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// The see-through colour of the skin bitmaps.
inline const QColor kFuchsia(255, 0, 255);

// A bordered, filled shape in one state: border, vertical face gradient, an
// optional inner ring (hover glow) and an optional glassy highlight.
struct Face
{
    QColor border;
    QColor top;
    QColor bottom;
    QColor ring = {};     // invalid: no ring
    double gloss = 0;     // 0..1, strength of the highlight on the upper half
    QColor lowerTop = {}; // valid: glass look, the lower half starts at this colour
};

// Drawing surfaces: pictures are drawn with antialiasing on a transparent canvas
// and then flattened to opaque RGB, either onto a known background or with the
// uncovered pixels keyed to fuchsia.
QImage NewCanvas(int w, int h);
QImage Opaque(const QImage &canvas, const QColor &background);
QImage OpaqueOver(const QImage &canvas, const QImage &background);
QImage Keyed(const QImage &canvas, const QColor &blendWith);
// Keyed, for a picture whose exact background is known: faint edges are kept
// and blended with it, so the outline stays whole.
QImage KeyedOver(const QImage &canvas, const QImage &background);

QImage VerticalStrip(int w, int h, const QGradientStops &stops);
QColor Mix(const QColor &a, const QColor &b, double t);
QColor Shade(const QColor &c, int delta);

QPainterPath RoundedBox(const QRectF &r, double radius);

// Fills a rounded box (a circle when the radius is half the side) with a face.
void PaintFace(QPainter &p, const QRectF &r, double radius, const Face &face);

enum class Glyph {
    Close,
    Minimise,
    Maximise,
    Restore,
    Help,
    ArrowUp,
    ArrowDown,
    Check,
    Dot,
    Exclamation,
    Information,
    Question,
    Cross
};

// Draws a glyph centred in the box in a solid colour; weight is the stroke width.
void PaintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &colour, double weight);

// The program's emblem: a page of text turned into markup.
void PaintEmblem(QPainter &p, const QRectF &box);
