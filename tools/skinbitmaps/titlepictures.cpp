#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>

// The bar's rows, the same in every section so that the left, the stretched
// client and the right sections meet without a seam.
static QImage TitleRows(const StylePalette &s, int width, int height)
{
    QImage image = VerticalStrip(width, height, s.titleStops);
    if (s.look == Look::MacOS) {
        // Aqua pinstripes: every other row a shade lighter.
        QPainter p(&image);
        for (int y = 1; y < height - 1; y += 2)
            p.fillRect(0, y, width, 1, QColor(255, 255, 255, 70));
    }
    return image;
}

// A soft light that fades to nothing towards `fadeTo`, so a section still
// meets its neighbour with the bare rows.
static void Sheen(QPainter &p, const QRectF &r, double fadeFrom, double fadeTo, int alpha)
{
    QLinearGradient g(fadeFrom, 0, fadeTo, 0);
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, g);
}

// Protein's caption sits on a graphite plate that sweeps into the silver bar.
static void PaintCaptionPlate(QPainter &p, int h)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath plate;
    plate.moveTo(0, 0);
    plate.lineTo(318, 0);
    plate.cubicTo(352, 0, 356, h - 1, 396, h - 1);
    plate.lineTo(0, h - 1);
    plate.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(128, 142, 160));
    g.setColorAt(0.08, QColor(100, 114, 134));
    g.setColorAt(0.5, QColor(76, 90, 110));
    g.setColorAt(1, QColor(50, 60, 76));
    p.fillPath(plate, g);
    // A light edge along the sweep.
    QPainterPath edge;
    edge.moveTo(318, 0.5);
    edge.cubicTo(352, 0.5, 356, h - 1.5, 396, h - 1.5);
    p.strokePath(edge, QPen(QColor(255, 255, 255, 150), 1.2));
    p.fillRect(QRectF(0, h - 1, 396, 1), QColor(40, 48, 60));
}

static void Decorate(QPainter &p, const StylePalette &s, TitlePart part, int w, int h)
{
    switch (s.look) {
    case Look::Protein:
        if (part == TitlePart::Left)
            PaintCaptionPlate(p, h);
        break;
    case Look::BlueGlass:
        // Reflections on the glass, strongest at the outer ends of the bar.
        if (part == TitlePart::Left)
            Sheen(p, QRectF(0, 1, w, 15), 0, w, 70);
        if (part == TitlePart::Right)
            Sheen(p, QRectF(0, 1, w, 15), w, 0, 55);
        break;
    case Look::WinXP:
        // A highlight from the left end fading into the bar, light along the
        // rounded top corners and down the outer edges.
        if (part == TitlePart::Left) {
            // Fading downwards too, so it leaves no edge across the bar.
            const int rows = h / 2;
            for (int y = 1; y < rows; ++y)
                Sheen(p, QRectF(0, y, w, 1), 0, w - 1, 80 * (rows - y) / rows);
            p.fillRect(QRectF(0, 3, 1, h - 3), QColor(255, 255, 255, 90));
        }
        if (part == TitlePart::Right)
            p.fillRect(QRectF(w - 1, 3, 1, h - 3), QColor(0, 0, 60, 90));
        break;
    case Look::MacOS:
    case Look::DeepBlue:
        break;
    }
}

QImage TitleSection(const StylePalette &s, TitlePart part)
{
    const QSize size = part == TitlePart::Left     ? s.titleLeft
                       : part == TitlePart::Client ? s.titleClient
                                                   : s.titleRight;
    QImage image = TitleRows(s, size.width(), size.height());
    QPainter p(&image);
    Decorate(p, s, part, size.width(), size.height());
    return image;
}

// MacOS gel buttons take their colour from what they do.
static Face Gel(QColor base, State state)
{
    const QColor b = state == MouseDown ? Shade(base, -40)
                     : state == MouseOn ? Shade(base, 14)
                                        : base;
    return Face{Shade(b, -90),
                Mix(b, Qt::white, 0.7),
                Mix(b, Qt::white, 0.25),
                {},
                state == MouseDown ? 0.4 : 0.7,
                Shade(b, -20)};
}

static Face ButtonFace(const StylePalette &s, TitleButtonKind kind, State state)
{
    if (s.look == Look::MacOS) {
        switch (kind) {
        case TitleButtonKind::Close:
            return Gel(QColor(236, 82, 64), state);
        case TitleButtonKind::Min:
            return Gel(QColor(238, 180, 40), state);
        case TitleButtonKind::Max:
        case TitleButtonKind::Restore:
            return Gel(QColor(96, 190, 64), state);
        default:
            break;
        }
    }
    return kind == TitleButtonKind::Close ? s.closeButtonFace[state] : s.titleButtonFace[state];
}

static Glyph GlyphOf(TitleButtonKind kind)
{
    switch (kind) {
    case TitleButtonKind::Close:
        return Glyph::Close;
    case TitleButtonKind::Max:
        return Glyph::Maximise;
    case TitleButtonKind::Restore:
        return Glyph::Restore;
    case TitleButtonKind::Min:
        return Glyph::Minimise;
    default:
        return Glyph::Help;
    }
}

// The control box shows the program's emblem, lit under the pointer.
static void PaintControlBox(QPainter &p, const StylePalette &s, State state, int side)
{
    const QRectF r(0, 0, side, side);
    if (state != Normal) {
        Face halo = s.titleButtonFace[state];
        p.setOpacity(0.55);
        PaintFace(p, r, s.titleButtonRadius, halo);
        p.setOpacity(1);
    }
    const double shift = state == MouseDown ? 1 : 0;
    PaintEmblem(p, r.adjusted(1.5 + shift, 1.5 + shift, -1.5 + shift, -1.5 + shift));
}

QImage TitleButton(const StylePalette &s, TitleButtonKind kind, State state)
{
    const int side = s.titleButton;
    QImage canvas = NewCanvas(side, side);
    QPainter p(&canvas);
    if (kind == TitleButtonKind::ControlBox) {
        PaintControlBox(p, s, state, side);
    } else {
        const QRectF r = !s.titleButtonFrame.isEmpty() ? s.titleButtonFrame
                         : s.titleButtonsKeyed         ? QRectF(0.5, 0.5, side - 1, side - 1)
                                                       : QRectF(0, 0, side, side);
        PaintFace(p, r, s.titleButtonRadius, ButtonFace(s, kind, state));
        const QColor glyph =
            kind == TitleButtonKind::Close && state != Normal ? s.closeGlyph : s.titleGlyph[state];
        if (glyph.alpha() > 0) {
            const double weight = side * (s.look == Look::MacOS ? 0.1 : 0.12);
            // The question mark is drawn smaller to match the other glyphs.
            const QRectF box = kind == TitleButtonKind::Help
                                   ? r.adjusted(side * 0.12, side * 0.1, -side * 0.12, -side * 0.14)
                                   : r;
            // Light glyphs get a soft shadow so they read on the glossy top half.
            if (glyph.lightness() > 200)
                PaintGlyph(p, GlyphOf(kind), box.translated(0, 1), QColor(0, 20, 60, 90), weight);
            PaintGlyph(p, GlyphOf(kind), box, glyph, weight);
        }
    }
    p.end();
    // What lies under the button: the control box sits on the left section,
    // the others on the bar's plain rows.
    const QImage under =
        kind == TitleButtonKind::ControlBox
            ? TitleSection(s, TitlePart::Left).copy(s.titleLeftOffset, s.titleButtonTop, side, side)
            : TitleRows(s, side, s.titleLeft.height()).copy(0, s.titleButtonTop, side, side);
    // Masked buttons are keyed by their bottom-left pixel; opaque ones carry
    // the bar behind them.
    if (!s.titleButtonsKeyed)
        return OpaqueOver(canvas, under);
    return s.titleButtonEdge.isValid() ? Keyed(canvas, s.titleButtonEdge)
                                       : KeyedOver(canvas, under);
}
