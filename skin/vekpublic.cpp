#include "vekpublic.h"

#include "desktop.h"

#include <QMetaObject>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

QRgb ToRgb(TColor color)
{
    return ToQColor(color).rgb() & RGB_MASK;
}

// A rectangle from its four edges; right and bottom exclusive.
QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Copies the source piece 1:1 (a corner) or stretched (an edge, the middle)
// to the destination's size, and draws it there, leaving the mask colour
// out when masked.
void DrawPiece(QPainter &canvas, const QImage &bitmap, const QRect &source, const QRect &dest,
               bool masked)
{
    if (source.width() <= 0 || source.height() <= 0 || dest.width() <= 0 || dest.height() <= 0)
        return;
    QImage piece = bitmap.copy(source);
    if (piece.size() != dest.size())
        piece = piece.scaled(dest.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    canvas.drawImage(dest.topLeft(), masked ? MaskedImage(piece) : piece);
}

// Crops a source piece that is larger across an edge than its destination,
// keeping the side that faces the window's outer edge.
enum class TKeep { Left, Right, Top, Bottom };
QRect Crop(const QRect &source, const QRect &dest, TKeep keep)
{
    QRect r = source;
    switch (keep) {
    case TKeep::Left:
        if (r.width() > dest.width())
            r.setWidth(std::max(dest.width(), 0));
        break;
    case TKeep::Right:
        if (r.width() > dest.width())
            r.setLeft(r.right() + 1 - std::max(dest.width(), 0));
        break;
    case TKeep::Top:
        if (r.height() > dest.height())
            r.setHeight(std::max(dest.height(), 0));
        break;
    case TKeep::Bottom:
        if (r.height() > dest.height())
            r.setTop(r.bottom() + 1 - std::max(dest.height(), 0));
        break;
    }
    return r;
}

void FrameRect(QPainter &canvas, const QRect &r, const QColor &color)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    canvas.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    canvas.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    canvas.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

} // namespace

QImage MaskedImage(const QImage &bitmap, TColor maskColor)
{
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = ToRgb(maskColor);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == mask)
                line[x] = 0;
    }
    return image;
}

// Nine-slice drawing. The source is cut at columns a and b and rows c and d;
// the corners keep their size (cropped toward the window's corners when the
// space is smaller), the edges and the middle stretch. The geometry works
// from the rectangle's own origin.
void SpitDraw(const QImage &bitmap, QPainter &canvas, const QRect &r, bool transparent)
{
    const int bw = bitmap.width(), bh = bitmap.height();
    const int W = r.width(), H = r.height();
    if (bw <= 0 || bh <= 0 || W <= 0 || H <= 0)
        return;
    const int a = bw / 2, b = bw - bw / 2 + 1, c = bh / 2, d = bh - bh / 2 + 1;
    const int hw = W / 2, hh = H / 2;

    canvas.save();
    canvas.translate(r.topLeft());

    // Corners: their size, then the source cropped toward the window's corner.
    const int w1 = std::max(std::min(a, hw), 0), h1 = std::max(std::min(c, hh), 0);
    const int w2 = std::max(std::min(a, hw), 0), h2 = std::max(std::min(c - 1, hh - 1), 0);
    const int w4 = std::max(std::min(a - 1, hw - 1), 0), h4 = std::max(std::min(c, hh), 0);
    const int w5 = std::max(std::min(a - 1, hw - 1), 0), h5 = std::max(std::min(c - 1, hh - 1), 0);
    const QRect TL(0, 0, w1, h1);
    const QRect BL(0, H - h2, w2, h2);
    const QRect TR(W - w4, 0, w4, h4);
    const QRect BR(W - w5, H - h5, w5, h5);
    const int TLright = w1, TLbottom = h1, BLtop = H - h2, TRleft = W - w4, TRright = W,
              TRbottom = h4, BRtop = H - h5, BRleft = W - w5, BRbottom = H;
    (void)d;

    // 1 top-left, 2 bottom-left, 3 left edge.
    DrawPiece(canvas, bitmap, QRect(0, 0, w1, h1), TL, transparent);
    DrawPiece(canvas, bitmap, QRect(0, bh - h2, w2, h2), BL, transparent);
    const QRect leftEdge = Edges(0, TLbottom, TLright, BLtop);
    DrawPiece(canvas, bitmap, Crop(Edges(0, c, a, bh - c), leftEdge, TKeep::Left), leftEdge, true);
    // 4 top-right, 5 bottom-right, 6 right edge.
    DrawPiece(canvas, bitmap, QRect(bw - w4, 0, w4, h4), TR, transparent);
    DrawPiece(canvas, bitmap, QRect(bw - w5, bh - h5, w5, h5), BR, transparent);
    const QRect rightEdge = Edges(TRleft, TRbottom, TRright, BRtop);
    DrawPiece(canvas, bitmap, Crop(Edges(b, bh - c, bw, c + 2), rightEdge, TKeep::Right), rightEdge,
              true);
    // 7 top edge, 8 middle, 9 bottom edge.
    const QRect topEdge = Edges(TLright, 0, TRleft, TLbottom);
    DrawPiece(canvas, bitmap, Crop(Edges(a, 0, b, c), topEdge, TKeep::Top), topEdge, true);
    const QRect middle = Edges(TLright, TLbottom, TRleft, BRtop - 1);
    DrawPiece(canvas, bitmap, Edges(a, c, b, bh - c), middle, true);
    const QRect bottomEdge = Edges(TLright - 1, BLtop - 1, BRleft, BRbottom);
    DrawPiece(canvas, bitmap, Crop(Edges(a, bh - c, b, bh), bottomEdge, TKeep::Bottom), bottomEdge,
              true);

    canvas.restore();
}

// Three equal parts side by side: the ends keep their size, the middle
// stretches. Masked with the top-left pixel's colour when transparent.
void SpitDrawHorizontal(const QImage &bitmap, QPainter &canvas, const QRect &r, bool transparent)
{
    const int w = bitmap.width() / 3, h = bitmap.height();
    if (w <= 0 || h <= 0)
        return;
    const QRgb corner = bitmap.pixel(0, 0);
    const auto part = [&](int i) {
        const QImage image = bitmap.copy(i * w, 0, w, h);
        if (!transparent)
            return image;
        return MaskedImage(image, FromQColor(QColor::fromRgb(corner)));
    };
    canvas.drawImage(r.topLeft(), part(0));
    canvas.drawImage(QPoint(r.x() + r.width() - w, r.y()), part(2));
    const QRect middle = Edges(r.x() + w, r.y(), r.x() + r.width() - w, r.y() + r.height());
    if (middle.width() > 0 && middle.height() > 0)
        canvas.drawImage(middle.topLeft(), part(1).scaled(middle.size(), Qt::IgnoreAspectRatio,
                                                          Qt::FastTransformation));
}

void TileDraw(QPainter &canvas, const QImage &picture, const QRect &r)
{
    const int pw = picture.width(), ph = picture.height();
    if (pw <= 0 || ph <= 0)
        return;
    for (int x = 0; x < r.width() + pw; x += pw)
        for (int y = 0; y < r.height() + ph; y += ph)
            canvas.drawImage(x, y, picture);
}

// The parent paints its own background and content (not its children, so
// never the control itself) with its coordinates lined up with the control.
void DoTrans(QPainter &canvas, QWidget *control)
{
    QWidget *parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    const QRect under = control->geometry() & parent->rect();
    if (under.isEmpty())
        return;
    canvas.save();
    parent->render(&canvas, under.topLeft() - control->pos(), QRegion(under),
                   QWidget::DrawWindowBackground);
    canvas.restore();
}

void DrawControlBorder(QWidget *control, TColor borderColor, TColor innerColor)
{
    if (!control)
        return;
    QPainter canvas(control);
    DrawControlBorder(canvas, control->rect(), borderColor, innerColor);
}

void DrawControlBorder(QPainter &canvas, const QRect &r, TColor borderColor, TColor innerColor)
{
    FrameRect(canvas, r, ToQColor(borderColor));
    FrameRect(canvas, r.adjusted(1, 1, -1, -1), ToQColor(innerColor));
}

// The source's top row becomes the left column, its right end at the top.
void RoundPicture(QImage &bitmap)
{
    const int w = bitmap.width(), h = bitmap.height();
    QImage turned(h, w, bitmap.format());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            turned.setPixel(y, w - 1 - x, bitmap.pixel(x, y));
    bitmap = turned;
}

// The source's top row becomes the right column, its left end at the top.
void RoundPicture3(QImage &bitmap)
{
    const int w = bitmap.width(), h = bitmap.height();
    QImage turned(h, w, bitmap.format());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            turned.setPixel(h - 1 - y, x, bitmap.pixel(x, y));
    bitmap = turned;
}

bool InRect(const QPoint &p, const QRect &r)
{
    return InRect(p.x(), p.y(), r);
}

bool InRect(int x, int y, const QRect &r)
{
    return x >= r.x() && x <= r.x() + r.width() && y >= r.y() && y <= r.y() + r.height();
}

QRect GetWorkAreaRect()
{
    return GetWorkArea();
}

void PlaceControl(QWidget *control, const QPoint &p)
{
    control->move(p);
}

void PlaceControl(QWidget *control, const QRect &r)
{
    control->setGeometry(r);
}

QString PCharToStr(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// The control no longer paints an opaque background: what lies under it
// shows through wherever it does not paint.
void SetWinControlTransparent(QWidget *control)
{
    control->setAttribute(Qt::WA_OpaquePaintEvent, false);
    control->setAttribute(Qt::WA_NoSystemBackground, true);
    control->setAutoFillBackground(false);
}

bool IsHasProperty(const QObject *component, const char *name)
{
    return component && component->metaObject()->indexOfProperty(name) >= 0;
}

void SetBaseColor(QWidget *control, TColor color)
{
    QPalette pal = control->palette();
    pal.setColor(QPalette::Base, ToQColor(color));
    control->setPalette(pal);
}

TColor ParentBackgroundColor(const QWidget *parent)
{
    bool ok = false;
    const TColor color = parent->property("Color").toInt(&ok);
    if (ok)
        return color;
    return FromQColor(parent->palette().color(parent->backgroundRole()));
}
