#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

QImage PushButton(const StylePalette &s, State state)
{
    QImage canvas = NewCanvas(s.button.width(), s.button.height());
    QPainter p(&canvas);
    PaintFace(p, QRectF(canvas.rect()), s.buttonRadius, s.buttonFace[state]);
    p.end();
    // Opaque buttons are drawn unmasked: their corners carry the window colour.
    return s.buttonKeyed ? Keyed(canvas, s.form) : Opaque(canvas, s.form);
}

// MacOS marks a checked control with its aqua face.
static const Face &BoxFace(const StylePalette &s, bool checked, State state)
{
    if (s.look == Look::MacOS && checked && state != Disabled)
        return s.boxFace[state == MouseDown ? MouseDown : MouseOn];
    return s.boxFace[state];
}

QImage CheckBox(const StylePalette &s, bool checked, State state)
{
    QImage canvas = NewCanvas(s.checkBox.width(), s.checkBox.height());
    QPainter p(&canvas);
    PaintFace(p, s.checkFrame, s.boxRadius, BoxFace(s, checked, state));
    if (checked) {
        // The MacOS mark overhangs its box at the top right.
        const QRectF box = s.look == Look::MacOS ? QRectF(1, 0, 15, 15) : s.checkFrame;
        PaintGlyph(p, Glyph::Check, box, s.mark[state], s.look == Look::MacOS ? 2.2 : 1.9);
    }
    p.end();
    // Check boxes are drawn unmasked.
    return Opaque(canvas, s.form);
}

QImage RadioButton(const StylePalette &s, bool checked, State state)
{
    QImage canvas = NewCanvas(s.radio.width(), s.radio.height());
    QPainter p(&canvas);
    const QRectF frame = s.radioFrame;
    PaintFace(p, frame, frame.width() / 2, BoxFace(s, checked, state));
    if (checked) {
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient dot(frame.center() - QPointF(0.8, 0.8), frame.width() * 0.26);
        dot.setColorAt(0, Mix(s.mark[state], Qt::white, 0.45));
        dot.setColorAt(1, s.mark[state]);
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        const double r = frame.width() * 0.2;
        p.drawEllipse(frame.center(), r, r);
    }
    p.end();
    // Radio buttons are masked by their top-left pixel.
    return Keyed(canvas, s.form);
}

QImage ScrollButton(const StylePalette &s, bool top, State state)
{
    const QSize size = s.scrollButton;
    QImage canvas = NewCanvas(size.width(), size.height());
    QPainter p(&canvas);
    PaintFace(p, QRectF(canvas.rect()), s.scrollRadius, s.scrollButtonFace[state]);
    const double side = std::min(size.width(), size.height());
    QRectF box(0, 0, side, side);
    box.moveCenter(QRectF(canvas.rect()).center() + QPointF(0, state == MouseDown ? 0.5 : 0));
    PaintGlyph(p, top ? Glyph::ArrowUp : Glyph::ArrowDown, box, s.arrow, 1);
    p.end();
    return Opaque(canvas, s.scrollBar);
}

// A bar lying along x, shaded like a cylinder across it so that it reads the
// same after a quarter turn either way.
static void PaintCylinder(QPainter &p, const QRectF &r, double radius, const Face &face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(RoundedBox(r, radius), face.border);
    const QRectF inner = r.adjusted(1, 1, -1, -1);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, Mix(face.bottom, face.top, 0.4));
    g.setColorAt(0.3, face.top);
    g.setColorAt(0.55, Mix(face.top, face.bottom, 0.35));
    g.setColorAt(1, face.bottom);
    p.fillPath(RoundedBox(inner, radius - 1), g);
    p.restore();
}

static QImage QuarterTurn(const QImage &image)
{
    return image.transformed(QTransform().rotate(90));
}

QImage ScrollTrack(const StylePalette &s)
{
    // Drawn lying down and stood up: the slider is cut into three equal thirds
    // along its length (two caps and a middle that is stretched), so the ends
    // stay within the caps and the middle third is the same in every row.
    const int length = s.scrollTrack.height(), cross = s.scrollTrack.width();
    const int cap = length / 3;
    QImage canvas = NewCanvas(length, cross);
    QPainter p(&canvas);
    const double radius = s.look == Look::MacOS ? (cross - 2) / 2.0 : std::min(4.0, cap - 1.0);
    PaintCylinder(p, QRectF(0, 1, length, cross - 2), radius, s.thumb);
    p.end();
    return QuarterTurn(Opaque(canvas, s.scrollBar));
}

QImage ProgressBar(const StylePalette &s, bool vertical)
{
    // Three equal parts: two ends and a middle that is stretched.
    QImage canvas = NewCanvas(30, 16);
    QPainter p(&canvas);
    PaintFace(p, QRectF(canvas.rect()), 3, s.progress);
    p.end();
    const QImage image = Opaque(canvas, s.form);
    return vertical ? QuarterTurn(image) : image;
}

QImage Tab(const StylePalette &s, TabPart part)
{
    const int w = 30;
    if (part == TabPart::Line) {
        QImage image(w, 3, QImage::Format_RGB32);
        image.fill(s.tabActive.bottom);
        QPainter p(&image);
        p.fillRect(0, 0, w, 1, s.tabActive.border);
        p.fillRect(0, 1, w, 1, Qt::white);
        return image;
    }
    const Face &face = part == TabPart::Active ? s.tabActive : s.tabInactive;
    const int h = s.tabHeight, inset = part == TabPart::Active ? 0 : 2;
    QImage canvas = NewCanvas(w, h);
    QPainter p(&canvas);
    // Round at the top, open at the bottom where the tab meets its page.
    p.setClipRect(0, 0, w, h);
    PaintFace(p, QRectF(0, inset, w, h - inset + 4), 4, face);
    p.end();
    return Keyed(canvas, s.form);
}

QImage TrackBarBar(const StylePalette &s)
{
    QImage canvas = NewCanvas(30, 6);
    QPainter p(&canvas);
    PaintFace(p, QRectF(canvas.rect()), 3,
              Face{s.groove, Shade(s.groove, 60), Shade(s.groove, 100)});
    p.end();
    return Keyed(canvas, s.form);
}

QImage TrackBarSlider(const StylePalette &s, bool vertical)
{
    // A pointer: a rounded body ending in a point below (to the right when vertical).
    const double w = 11, h = 21;
    QImage canvas = NewCanvas(int(w), int(h));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(0.5, 2.5);
    shape.quadTo(0.5, 0.5, 2.5, 0.5);
    shape.lineTo(w - 2.5, 0.5);
    shape.quadTo(w - 0.5, 0.5, w - 0.5, 2.5);
    shape.lineTo(w - 0.5, h - 6);
    shape.lineTo(w / 2, h - 0.5);
    shape.lineTo(0.5, h - 6);
    shape.closeSubpath();
    const Face &f = s.trackSlider;
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, f.top);
    g.setColorAt(1, f.bottom);
    p.fillPath(shape, g);
    p.strokePath(shape, QPen(f.border, 1));
    p.end();
    const QImage image = Keyed(canvas, s.form);
    return vertical ? image.transformed(QTransform().rotate(-90)) : image;
}
