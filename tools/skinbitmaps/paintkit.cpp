#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

QImage NewCanvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Composites one premultiplied pixel over an opaque one.
static QRgb Over(QRgb src, QRgb dst)
{
    const int a = qAlpha(src);
    auto channel = [a](int s, int d) { return std::clamp(s + d * (255 - a) / 255, 0, 255); };
    return qRgb(channel(qRed(src), qRed(dst)), channel(qGreen(src), qGreen(dst)),
                channel(qBlue(src), qBlue(dst)));
}

QImage Opaque(const QImage &canvas, const QColor &background)
{
    QImage bg(canvas.size(), QImage::Format_RGB32);
    bg.fill(background);
    return OpaqueOver(canvas, bg);
}

QImage OpaqueOver(const QImage &canvas, const QImage &background)
{
    QImage out = background.convertToFormat(QImage::Format_RGB32);
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, Over(src.pixel(x, y), out.pixel(x, y)));
    return out;
}

// Pixels covered less than this become see-through; edges above it are blended
// with the colour the picture will most likely lie on.
static constexpr int kKeyThreshold = 110;

static QImage KeyWith(const QImage &canvas, const QImage &background, int threshold)
{
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb s = src.pixel(x, y);
            out.setPixel(x, y,
                         qAlpha(s) < threshold ? kFuchsia.rgb() : Over(s, background.pixel(x, y)));
        }
    return out;
}

QImage Keyed(const QImage &canvas, const QColor &blendWith)
{
    QImage background(canvas.size(), QImage::Format_RGB32);
    background.fill(blendWith);
    return KeyWith(canvas, background, kKeyThreshold);
}

QImage KeyedOver(const QImage &canvas, const QImage &background)
{
    return KeyWith(canvas, background.convertToFormat(QImage::Format_RGB32), 40);
}

QImage VerticalStrip(int w, int h, const QGradientStops &stops)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, h);
    g.setStops(stops);
    p.fillRect(image.rect(), g);
    return image;
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor Shade(const QColor &c, int delta)
{
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return QColor(clamp(c.red() + delta), clamp(c.green() + delta), clamp(c.blue() + delta));
}

QPainterPath RoundedBox(const QRectF &r, double radius)
{
    QPainterPath path;
    radius = std::max(0.0, std::min({radius, r.width() / 2, r.height() / 2}));
    path.addRoundedRect(r, radius, radius);
    return path;
}

static QBrush FaceBrush(const QRectF &r, const Face &face)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (face.lowerTop.isValid()) {
        // Glass: a bright upper half, a sharp step, and light rising again below.
        g.setColorAt(0, face.top);
        g.setColorAt(0.48, face.bottom);
        g.setColorAt(0.52, face.lowerTop);
        g.setColorAt(1, Mix(face.lowerTop, face.top, 0.55));
    } else {
        g.setColorAt(0, face.top);
        g.setColorAt(1, face.bottom);
    }
    return g;
}

void PaintFace(QPainter &p, const QRectF &r, double radius, const Face &face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.fillPath(RoundedBox(r, radius), face.border);
    const QRectF inner = r.adjusted(1, 1, -1, -1);
    const QPainterPath innerPath = RoundedBox(inner, radius - 1);
    p.fillPath(innerPath, FaceBrush(inner, face));
    if (face.ring.isValid()) {
        QLinearGradient g(inner.topLeft(), inner.bottomLeft());
        g.setColorAt(0, Mix(face.ring, Qt::white, 0.45));
        g.setColorAt(1, face.ring);
        p.fillPath(innerPath.subtracted(RoundedBox(inner.adjusted(2, 2, -2, -2), radius - 3)), g);
    }
    if (face.gloss > 0) {
        const QRectF shine(inner.left() + 1, inner.top() + 0.5, inner.width() - 2,
                           std::max(2.0, inner.height() * 0.46));
        QLinearGradient g(shine.topLeft(), shine.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, int(235 * face.gloss)));
        g.setColorAt(1, QColor(255, 255, 255, int(40 * face.gloss)));
        p.setClipPath(innerPath);
        p.fillPath(RoundedBox(shine, radius - 1.5), g);
    }
    p.restore();
}

// Maps unit coordinates of the glyph box to pixels.
struct Unit
{
    QRectF box;
    QPointF operator()(double x, double y) const
    {
        return {box.left() + x * box.width(), box.top() + y * box.height()};
    }
    double len(double v) const { return v * box.width(); }
};

static void Stroke(QPainter &p, const QPainterPath &path, const QColor &c, double weight)
{
    p.strokePath(path, QPen(c, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

static QPainterPath Polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it)
        path.lineTo(*it);
    return path;
}

static void Disc(QPainter &p, QPointF centre, double radius, const QColor &c)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    p.fillPath(path, c);
}

static QPainterPath QuestionHook(const Unit &u)
{
    QPainterPath path;
    const QRectF bowl(u(0.3, 0.16), u(0.7, 0.5));
    path.arcMoveTo(bowl, 165);
    path.arcTo(bowl, 165, -245);
    path.quadTo(u(0.5, 0.52), u(0.5, 0.64));
    return path;
}

void PaintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &c, double weight)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Unit u{box};
    switch (glyph) {
    case Glyph::Close:
    case Glyph::Cross:
        Stroke(p, Polyline({u(0.3, 0.3), u(0.7, 0.7)}), c, weight);
        Stroke(p, Polyline({u(0.7, 0.3), u(0.3, 0.7)}), c, weight);
        break;
    case Glyph::Minimise:
        p.fillRect(QRectF(u(0.28, 0.68), QSizeF(u.len(0.44), weight)), c);
        break;
    case Glyph::Maximise: {
        const QRectF frame(u(0.27, 0.27), u(0.73, 0.73));
        p.fillRect(QRectF(frame.topLeft(), QSizeF(frame.width(), weight)), c);
        p.setPen(QPen(c, std::max(1.0, weight / 2)));
        p.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
    case Glyph::Restore: {
        // The window behind shows only its top, right and the ends that the front one leaves.
        const double thin = std::max(1.0, weight / 2);
        const QRectF back(u(0.4, 0.24), u(0.76, 0.56));
        const QRectF front(u(0.24, 0.42), u(0.6, 0.76));
        p.fillRect(QRectF(back.topLeft(), QSizeF(back.width(), weight * 0.8)), c);
        p.fillRect(QRectF(back.right() - thin, back.top(), thin, back.height()), c);
        p.fillRect(QRectF(back.left(), back.top(), thin, front.top() - back.top()), c);
        p.fillRect(QRectF(front.right(), back.bottom() - thin, back.right() - front.right(), thin),
                   c);
        p.fillRect(QRectF(front.topLeft(), QSizeF(front.width(), weight * 0.8)), c);
        p.setPen(QPen(c, thin));
        p.drawRect(front.adjusted(thin / 2, thin / 2, -thin / 2, -thin / 2));
        break;
    }
    case Glyph::Help:
    case Glyph::Question:
        Stroke(p, QuestionHook(u), c, weight);
        Disc(p, u(0.5, 0.8), weight * 0.62, c);
        break;
    case Glyph::ArrowUp:
    case Glyph::ArrowDown: {
        const bool up = glyph == Glyph::ArrowUp;
        const double tip = up ? 0.36 : 0.64, base = up ? 0.64 : 0.36;
        QPainterPath tri = Polyline({u(0.25, base), u(0.5, tip), u(0.75, base)});
        tri.closeSubpath();
        p.fillPath(tri, c);
        break;
    }
    case Glyph::Check:
        Stroke(p, Polyline({u(0.22, 0.52), u(0.42, 0.72), u(0.78, 0.28)}), c, weight);
        break;
    case Glyph::Dot:
        Disc(p, box.center(), box.width() * 0.2, c);
        break;
    case Glyph::Exclamation: {
        QPainterPath stem;
        stem.moveTo(u(0.43, 0.2));
        stem.lineTo(u(0.57, 0.2));
        stem.lineTo(u(0.53, 0.64));
        stem.lineTo(u(0.47, 0.64));
        stem.closeSubpath();
        Stroke(p, stem, c, weight * 0.35);
        p.fillPath(stem, c);
        Disc(p, u(0.5, 0.78), u.len(0.07), c);
        break;
    }
    case Glyph::Information:
        Disc(p, u(0.5, 0.24), u.len(0.075), c);
        p.fillRect(QRectF(u(0.445, 0.38), u(0.555, 0.76)), c);
        p.fillRect(QRectF(u(0.38, 0.38), u(0.555, 0.44)), c);
        p.fillRect(QRectF(u(0.37, 0.74), u(0.63, 0.8)), c);
        break;
    }
    p.restore();
}

void PaintEmblem(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Unit u{box};
    // The page with its folded corner.
    QPainterPath page =
        Polyline({u(0.14, 0.05), u(0.58, 0.05), u(0.76, 0.23), u(0.76, 0.92), u(0.14, 0.92)});
    page.closeSubpath();
    QLinearGradient paper(u(0, 0), u(0, 1));
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(226, 233, 243));
    p.fillPath(page, paper);
    Stroke(p, page, QColor(74, 92, 122), u.len(0.035));
    QPainterPath fold = Polyline({u(0.58, 0.05), u(0.58, 0.23), u(0.76, 0.23)});
    fold.closeSubpath();
    p.fillPath(fold, QColor(196, 208, 226));
    Stroke(p, fold, QColor(74, 92, 122), u.len(0.03));
    // Lines of text.
    const double widths[] = {0.34, 0.42, 0.3, 0.2};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(u(0.24, 0.2 + i * 0.1), QSizeF(u.len(widths[i]), u.len(0.04))),
                   QColor(132, 146, 170));
    // The markup badge.
    const QRectF badge(u(0.38, 0.5), u(0.97, 0.95));
    QLinearGradient navy(badge.topLeft(), badge.bottomLeft());
    navy.setColorAt(0, QColor(58, 104, 190));
    navy.setColorAt(1, QColor(20, 46, 110));
    const QPainterPath badgePath = RoundedBox(badge, u.len(0.1));
    p.fillPath(badgePath, navy);
    Stroke(p, badgePath, QColor(14, 32, 80), u.len(0.025));
    const QColor white(255, 255, 255);
    const double w = u.len(0.055);
    Stroke(p, Polyline({u(0.55, 0.6), u(0.46, 0.725), u(0.55, 0.85)}), white, w);
    Stroke(p, Polyline({u(0.72, 0.58), u(0.63, 0.87)}), white, w);
    Stroke(p, Polyline({u(0.8, 0.6), u(0.89, 0.725), u(0.8, 0.85)}), white, w);
    p.restore();
}
