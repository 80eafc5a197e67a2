#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

QImage FormBackground(const StylePalette &s)
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            // MacOS: pinstripes; Protein: a faint diagonal weave.
            const int delta =
                s.look == Look::MacOS ? (y % 2 ? -3 : 3) : ((x + y) % 4 == 0 ? -4 : 1);
            image.setPixelColor(x, y, Shade(s.form, delta));
        }
    return image;
}

QImage MacMenuBar()
{
    QImage image = VerticalStrip(
        1, 22,
        {{0, QColor(255, 255, 255)}, {0.5, QColor(244, 244, 244)}, {1, QColor(226, 226, 226)}});
    image.setPixelColor(0, 21, QColor(160, 160, 160));
    return image;
}

QImage MacMenuSelect()
{
    return VerticalStrip(1, 21,
                         {{0, QColor(120, 176, 246)},
                          {0.48, QColor(70, 138, 236)},
                          {0.52, QColor(40, 108, 222)},
                          {1, QColor(70, 150, 240)}});
}

QImage MacComboBoxButton()
{
    // Stretched over the drop-down button; the arrow is drawn over it.
    QImage canvas = NewCanvas(16, 17);
    QPainter p(&canvas);
    PaintFace(p, QRectF(0, 0, 16, 17), 0,
              Face{QColor(110, 140, 180),
                   QColor(238, 246, 255),
                   QColor(196, 224, 252),
                   {},
                   0.6,
                   QColor(156, 202, 248)});
    p.end();
    return Opaque(canvas, QColor(231, 231, 231));
}

// Message icons stand on the message window's client colour.
static const QColor kDialogColour(232, 232, 232);

static void Shadow(QPainter &p, const QPainterPath &shape)
{
    p.save();
    p.translate(1, 2);
    p.fillPath(shape, QColor(0, 0, 0, 45));
    p.restore();
}

static void PaintBadge(QPainter &p, const QPainterPath &shape, const QRectF &r, QColor light,
                       QColor dark, QColor border)
{
    Shadow(p, shape);
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.75);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.fillPath(shape, g);
    p.strokePath(shape, QPen(border, 1.2));
    // The glassy cap.
    QPainterPath cap;
    cap.addEllipse(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.07, r.width() * 0.6,
                          r.height() * 0.36));
    QLinearGradient shine(0, r.top(), 0, r.top() + r.height() * 0.45);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(cap.intersected(shape), shine);
}

QImage MessageDialogIcon(MessageIcon icon)
{
    QImage canvas = NewCanvas(42, 42);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(3, 2, 36, 36);
    QPainterPath circle;
    circle.addEllipse(r);
    switch (icon) {
    case MessageIcon::Warning: {
        QPainterPath triangle;
        triangle.moveTo(21, 3);
        triangle.lineTo(39, 36);
        triangle.lineTo(3, 36);
        triangle.closeSubpath();
        // Round the corners by stroking the outline with round joins.
        QPainterPathStroker stroker;
        stroker.setWidth(4);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QPainterPath rounded = triangle.united(stroker.createStroke(triangle)).simplified();
        Shadow(p, rounded);
        QLinearGradient g(0, 2, 0, 38);
        g.setColorAt(0, QColor(255, 236, 120));
        g.setColorAt(1, QColor(242, 176, 18));
        p.fillPath(rounded, g);
        p.strokePath(rounded, QPen(QColor(150, 98, 0), 1.2));
        PaintGlyph(p, Glyph::Exclamation, QRectF(9, 9, 24, 30), QColor(40, 28, 0), 3);
        break;
    }
    case MessageIcon::Error:
        PaintBadge(p, circle, r, QColor(255, 130, 110), QColor(190, 20, 20), QColor(120, 10, 10));
        PaintGlyph(p, Glyph::Cross, r, Qt::white, 4.5);
        break;
    case MessageIcon::Information:
        PaintBadge(p, circle, r, QColor(130, 186, 250), QColor(28, 86, 196), QColor(16, 54, 130));
        PaintGlyph(p, Glyph::Information, r, Qt::white, 4);
        break;
    case MessageIcon::Question:
        PaintBadge(p, circle, r, QColor(130, 186, 250), QColor(28, 86, 196), QColor(16, 54, 130));
        PaintGlyph(p, Glyph::Question, r.adjusted(4, 3, -4, -3), Qt::white, 4);
        break;
    }
    p.end();
    return Opaque(canvas, kDialogColour);
}

QImage MenuChecked()
{
    QImage canvas = NewCanvas(16, 16);
    QPainter p(&canvas);
    PaintGlyph(p, Glyph::Check, QRectF(1, 1, 14, 14), QColor(24, 24, 24), 2);
    p.end();
    return Keyed(canvas, Qt::white);
}

QImage ProgramIcon(int side)
{
    QImage image = NewCanvas(side, side);
    QPainter p(&image);
    PaintEmblem(p, QRectF(0, 0, side, side));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage MainIcon()
{
    // Loaded like every skin picture, so see-through by fuchsia; its edges
    // blend with the navy title bar it is drawn on.
    QImage canvas = NewCanvas(32, 32);
    QPainter p(&canvas);
    PaintEmblem(p, QRectF(0, 0, 32, 32));
    p.end();
    return Keyed(canvas, QColor(40, 70, 132));
}
