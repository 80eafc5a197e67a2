#include "vekbuttondraw.h"

#include "vekpublic.h"

#include <QPainter>

TColor TopLeftColor(const QImage &picture)
{
    return FromQColor(QColor::fromRgb(picture.pixel(0, 0)));
}

namespace {

// The picture's ink (every pixel that is neither left out nor white) in one colour.
QImage InkImage(const QImage &image, const QColor &color)
{
    QImage ink(image.size(), QImage::Format_ARGB32);
    ink.fill(Qt::transparent);
    const QRgb paint = color.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) != 0 && (p & RGB_MASK) != 0xFFFFFF)
                ink.setPixel(x, y, paint);
        }
    return ink;
}

} // namespace

void DrawImageList(QPainter &canvas, const QPoint &at, const QImage &picture, bool masked,
                   bool enabled)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    const QImage image = masked ? MaskedImage(picture, TopLeftColor(picture)) : picture;
    if (enabled) {
        canvas.drawImage(at, image);
        return;
    }
    canvas.drawImage(at + QPoint(1, 1), InkImage(image, ToQColor(clBtnHighlight)));
    canvas.drawImage(at, InkImage(image, ToQColor(clBtnShadow)));
}

void DrawFocusRect(QPainter &canvas, const QRect &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.save();
    canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    canvas.setPen(QPen(Qt::white, 1));
    const auto dot = [&](int x, int y) {
        if ((x - r.left() + y - r.top()) % 2 == 0)
            canvas.drawPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    canvas.restore();
}

QRect EdgesRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
