#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <vector>

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

// The colour the message icons' soft edges are blended with: DeepBlue's
// dialog colour, close to every style's.
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
    // See-through around the drawing, so the icon lies on any dialog colour.
    return Keyed(canvas, kDialogColour);
}

QImage MenuChecked()
{
    QImage canvas = NewCanvas(16, 16);
    QPainter p(&canvas);
    PaintGlyph(p, Glyph::Check, QRectF(1, 1, 14, 14), QColor(24, 24, 24), 2);
    p.end();
    return Keyed(canvas, Qt::white);
}

namespace {

// The emblem drawn for one small size on the pixel grid: the page with its
// fold, a few lines of text and the markup badge, each edge on a whole pixel.
struct PixelEmblem
{
    int side;
    QPolygon page; // outline, clockwise from the top-left corner
    QPolygon fold;
    std::vector<QLine> text;
    QRect badge;
    std::vector<QLine> glyph; // "</>" in white; "<>" at 16 pixels
    int glyphWidth;
};

const PixelEmblem &PixelEmblemFor(int side)
{
    static const PixelEmblem emblems[] = {
        {16,
         QPolygon({{1, 0}, {8, 0}, {11, 3}, {11, 14}, {1, 14}}),
         QPolygon({{8, 0}, {8, 3}, {11, 3}}),
         {{3, 4, 7, 4}, {3, 6, 8, 6}, {3, 8, 4, 8}, {3, 10, 4, 10}},
         QRect(6, 8, 10, 8),
         {{9, 10, 8, 11}, {8, 12, 9, 13}, {12, 10, 13, 11}, {13, 12, 12, 13}},
         1},
        {24,
         QPolygon({{2, 0}, {12, 0}, {17, 5}, {17, 22}, {2, 22}}),
         QPolygon({{12, 0}, {12, 5}, {17, 5}}),
         {{4, 5, 10, 5}, {4, 8, 13, 8}, {4, 11, 11, 11}, {4, 14, 7, 14}, {4, 17, 6, 17}},
         QRect(9, 12, 15, 12),
         {{13, 15, 11, 17}, {11, 17, 13, 19}, {17, 15, 15, 19}, {19, 15, 21, 17}, {21, 17, 19, 19}},
         1},
        {32,
         QPolygon({{3, 1}, {17, 1}, {23, 7}, {23, 30}, {3, 30}}),
         QPolygon({{17, 1}, {17, 7}, {23, 7}}),
         {{6, 7, 13, 7},
          {6, 10, 17, 10},
          {6, 13, 15, 13},
          {6, 16, 9, 16},
          {6, 19, 9, 19},
          {6, 22, 9, 22}},
         QRect(12, 16, 20, 16),
         {{17, 20, 14, 23}, {14, 23, 17, 26}, {23, 19, 20, 27}, {26, 20, 29, 23}, {29, 23, 26, 26}},
         2},
    };
    for (const PixelEmblem &e : emblems)
        if (e.side == side)
            return e;
    return emblems[2];
}

void PaintPixelEmblem(QPainter &p, const PixelEmblem &e)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink(74, 92, 122);
    QLinearGradient paper(0, 0, 0, e.side);
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(222, 230, 242));
    p.setPen(ink);
    p.setBrush(paper);
    p.drawPolygon(e.page);
    p.setBrush(QColor(196, 208, 226));
    p.drawPolygon(e.fold);
    p.setPen(QColor(132, 146, 170));
    for (const QLine &line : e.text)
        p.drawLine(line);

    // The badge: a navy block with its corner pixels left out.
    const QRect b = e.badge;
    QLinearGradient navy(0, b.top(), 0, b.bottom());
    navy.setColorAt(0, QColor(58, 104, 190));
    navy.setColorAt(1, QColor(20, 46, 110));
    p.setPen(QColor(14, 32, 80));
    p.setBrush(navy);
    p.drawRect(b.adjusted(0, 0, -1, -1));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    for (QPoint corner : {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()})
        p.fillRect(QRect(corner, QSize(1, 1)), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The two-pixel glyph of the larger size is smoothed; one-pixel ones stay crisp.
    p.setRenderHint(QPainter::Antialiasing, e.glyphWidth > 1);
    p.setPen(QPen(Qt::white, e.glyphWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QLine &line : e.glyph)
        p.drawLine(e.glyphWidth > 1 ? QLineF(line).translated(0.5, 0.5) : QLineF(line));
    p.restore();
}

QImage PixelIcon(int side)
{
    QImage image = NewCanvas(side, side);
    QPainter p(&image);
    PaintPixelEmblem(p, PixelEmblemFor(side));
    p.end();
    return image;
}

} // namespace

QImage ProgramIcon(int side)
{
    if (side <= 32)
        return PixelIcon(side).convertToFormat(QImage::Format_ARGB32);
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
    return Keyed(PixelIcon(32), QColor(40, 70, 132));
}
