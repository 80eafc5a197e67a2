#include "contactsheet.h"

#include "pictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace {

constexpr int kSheetWidth = 1280;
constexpr int kMargin = 16;
const QColor kSheetColour(250, 250, 250);
const QColor kInk(40, 40, 40);

QFont SheetFont(int pixels, bool bold = false)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Fuchsia (or the given key) made see-through, as the masked drawing does.
QImage KeyOut(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF))
                out.setPixel(x, y, 0);
    return out;
}

QImage KeyOut(const QImage &image)
{
    return KeyOut(image, kFuchsia.rgb());
}

// Nine pieces: corners kept, edges and middle stretched (as the push button draws).
void NineSlice(QPainter &p, const QImage &img, const QRect &r)
{
    const int bw = img.width(), bh = img.height();
    const int a = bw / 2, c = bh / 2, ra = a - 1, rc = c - 1;
    const int xs[] = {0, a, bw - ra, bw}, ys[] = {0, c, bh - rc, bh};
    const int xd[] = {r.left(), r.left() + a, r.right() + 1 - ra, r.right() + 1};
    const int yd[] = {r.top(), r.top() + c, r.bottom() + 1 - rc, r.bottom() + 1};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const QRect src(xs[i], ys[j], std::max(1, xs[i + 1] - xs[i]),
                            std::max(1, ys[j + 1] - ys[j]));
            const QRect dst(QPoint(xd[i], yd[j]), QPoint(xd[i + 1] - 1, yd[j + 1] - 1));
            if (dst.isValid())
                p.drawImage(dst, img, src);
        }
}

// Three pieces of the scroll bar's track picture make the slider.
void PaintSlider(QPainter &p, const QImage &track, const QRect &r, bool vertical)
{
    const QImage t = vertical ? track : track.transformed(QTransform().rotate(-90));
    const int third = (vertical ? t.height() : t.width()) / 3;
    if (vertical) {
        p.drawImage(r.topLeft(), t.copy(0, 0, t.width(), third));
        p.drawImage(QRect(r.left(), r.top() + third, t.width(), r.height() - 2 * third),
                    t.copy(0, third, t.width(), third));
        p.drawImage(QPoint(r.left(), r.bottom() + 1 - third),
                    t.copy(0, 2 * third, t.width(), third));
    } else {
        p.drawImage(r.topLeft(), t.copy(0, 0, third, t.height()));
        p.drawImage(QRect(r.left() + third, r.top(), r.width() - 2 * third, t.height()),
                    t.copy(third, 0, third, t.height()));
        p.drawImage(QPoint(r.right() + 1 - third, r.top()),
                    t.copy(2 * third, 0, third, t.height()));
    }
}

void PaintScrollBar(QPainter &p, const StylePalette &s, const QHash<QString, QImage> &pic,
                    QPoint at, int length, bool vertical)
{
    const QTransform turn = QTransform().rotate(-90);
    auto arrow = [&](const char *name) {
        const QImage img = pic.value(s.prefix + name);
        return vertical ? img : img.transformed(turn);
    };
    const QImage top = arrow("_SCROLLBAR_TOPBUTTON_NORMAL"),
                 bottom = arrow("_SCROLLBAR_BTMBUTTON_MOUSEON");
    const int cross = vertical ? top.width() : top.height();
    const QRect bar = vertical ? QRect(at, QSize(cross, length)) : QRect(at, QSize(length, cross));
    p.fillRect(bar, s.scrollBar);
    p.drawImage(at, top);
    p.drawImage(vertical ? QPoint(at.x(), bar.bottom() + 1 - bottom.height())
                         : QPoint(bar.right() + 1 - bottom.width(), at.y()),
                bottom);
    const int sliderLength = length / 3, offset = length / 4;
    const QImage track = pic.value(s.prefix + "_SCROLLBAR_TRACK");
    const QRect slider = vertical ? QRect(at.x(), at.y() + offset, track.width(), sliderLength)
                                  : QRect(at.x() + offset, at.y(), sliderLength, track.width());
    PaintSlider(p, track, slider, vertical);
}

void PaintCaption(QPainter &p, const QRect &r, const QString &text, const QColor &colour, int flags)
{
    p.setFont(SheetFont(11));
    p.setPen(colour);
    p.drawText(r, flags, text);
}

int PaintTitleBar(QPainter &p, const StylePalette &s, const QHash<QString, QImage> &pic, QPoint at,
                  int w)
{
    const QImage left = pic.value(s.prefix + "_TITLE_LEFT");
    const QImage client = pic.value(s.prefix + "_TITLE_CLIENT");
    const QImage right = pic.value(s.prefix + "_TITLE_RIGHT");
    const int h = left.height();
    p.save();
    p.translate(at);
    p.drawImage(0, 0, left);
    if (w - left.width() >= right.width())
        p.drawImage(w - right.width(), 0, right);
    p.drawImage(QRect(left.width(), 0, w - left.width() - right.width(), h), client);
    auto button = [&](const QString &name, int x) {
        QImage img = pic.value(s.prefix + "_TITLEBTN_" + name);
        if (s.titleButtonsKeyed)
            img = KeyOut(img, img.pixel(0, img.height() - 1));
        p.drawImage(x, s.titleButtonTop, img);
        return img.width();
    };
    int x = w + 1 + s.titleRightOffset;
    for (const char *name : {"CLOSE_NORMAL", "MAX_MOUSEON", "MIN_NORMAL"}) {
        x -= s.titleButton + 1;
        button(name, x);
    }
    const int captionX = s.titleLeftOffset + button("CTLBOX_NORMAL", s.titleLeftOffset) + 5;
    QFont font = SheetFont(11, true);
    p.setFont(font);
    const int y = s.look == Look::DeepBlue ? 4 : (h - QFontMetrics(font).height()) / 2;
    p.setPen(s.look == Look::MacOS ? Qt::black : Qt::white);
    p.drawText(QRect(captionX, y, w, h), Qt::AlignLeft | Qt::AlignTop, "Quorvel Marlune");
    p.restore();
    return h;
}

// A small window made of the style's pictures.
QImage Preview(const StylePalette &s, const QHash<QString, QImage> &pic)
{
    const int w = 560, bodyH = 200, bw = s.frameBorderWidth;
    const int titleH = pic.value(s.prefix + "_TITLE_LEFT").height();
    QImage image(w, titleH + bodyH + bw, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), s.frameBorder);
    const QRect body(bw, titleH, w - 2 * bw, bodyH);
    const QImage pattern = pic.value(s.prefix + "_FORM_BACKGROUND");
    if (pattern.isNull())
        p.fillRect(body, s.form);
    else
        p.fillRect(body, QBrush(pattern));
    PaintTitleBar(p, s, pic, QPoint(0, 0), w);

    // Push buttons stretched to the size the message window gives them.
    const char *states[] = {"NORMAL", "MOUSEON", "MOUSEDOWN"};
    const char *captions[] = {"Normal", "Mouse on", "Pressed"};
    for (int i = 0; i < 3; ++i) {
        const QImage face = pic.value(s.prefix + "_BUTTON_" + states[i]);
        const QRect r(body.left() + 20 + i * 93, body.top() + 18, 73, 25);
        NineSlice(p, s.buttonKeyed ? KeyOut(face) : face, r);
        PaintCaption(p, r.translated(i == 2, i == 2), captions[i], Qt::black, Qt::AlignCenter);
    }
    const QImage wide = pic.value(s.prefix + "_BUTTON_NORMAL");
    const QRect wideRect(body.left() + 20, body.top() + 54, 160, 30);
    NineSlice(p, s.buttonKeyed ? KeyOut(wide) : wide, wideRect);
    PaintCaption(p, wideRect, "A wider button", Qt::black, Qt::AlignCenter);

    // Check boxes and radio buttons, checked, unchecked and disabled.
    const bool xp = s.look == Look::WinXP;
    const QString checkNames[] = {xp ? "NORMAL_CHECK" : "CHECK", xp ? "NORMAL_UNCHECK" : "UNCHECK",
                                  "DISABLE_CHECK"};
    for (int i = 0; i < 3; ++i) {
        const int y = body.top() + 98 + i * 20;
        const QImage box = pic.value(s.prefix + "_CHECKBOX_" + checkNames[i]);
        p.drawImage(body.left() + 21, y + (17 - box.height()) / 2, box);
        PaintCaption(p, QRect(body.left() + 21 + box.width() + 4, y + 1, 120, 17),
                     i == 2 ? "Disabled" : "Check box", i == 2 ? QColor(128, 128, 128) : Qt::black,
                     Qt::AlignLeft | Qt::AlignTop);
        const QImage radio = KeyOut(pic.value(s.prefix + "_RADIOBUTTON_" + checkNames[i]));
        p.drawImage(body.left() + 141, y + (17 - radio.height()) / 2, radio);
        PaintCaption(p, QRect(body.left() + 141 + radio.width() + 4, y + 1, 120, 17),
                     i == 2 ? "Disabled" : "Radio button",
                     i == 2 ? QColor(128, 128, 128) : Qt::black, Qt::AlignLeft | Qt::AlignTop);
    }

    // Progress bar and track bar, three pieces each.
    auto threeSlice = [&](const QImage &img, const QRect &r) {
        const int part = img.width() / 3;
        p.drawImage(r.topLeft(), img.copy(0, 0, part, img.height()));
        p.drawImage(QRect(r.left() + part, r.top(), r.width() - 2 * part, img.height()),
                    img.copy(part, 0, part, img.height()));
        p.drawImage(QPoint(r.right() + 1 - part, r.top()),
                    img.copy(2 * part, 0, part, img.height()));
    };
    const QRect progress(body.left() + 300, body.top() + 60, 150, 16);
    p.fillRect(progress.adjusted(-1, -1, 1, 1), s.form.darker(125));
    p.fillRect(progress, Qt::white);
    threeSlice(pic.value(s.prefix + "_PROGRESSBAR"), progress.adjusted(0, 0, -60, 0));
    const QImage bar = pic.value(s.prefix + "_TRACKBAR_BAR");
    threeSlice(KeyOut(bar, bar.pixel(0, 0)), QRect(body.left() + 300, body.top() + 104, 150, 6));
    const QImage slider = KeyOut(pic.value(s.prefix + "_TRACKBAR_SLIDER"));
    p.drawImage(body.left() + 360, body.top() + 96, slider);

    // Scroll bars, the horizontal one from the same pictures turned.
    PaintScrollBar(p, s, pic, QPoint(body.right() - 40, body.top() + 14), 160, true);
    PaintScrollBar(p, s, pic, QPoint(body.left() + 300, body.top() + 150), 170, false);
    return image;
}

struct Cell
{
    QString name;
    QImage image;
};

// Every picture at its own size, and three times larger when it is small, with
// its name and size below.
int PaintListing(QPainter &p, const std::vector<Cell> &cells, int top, bool paint)
{
    const QFont nameFont = SheetFont(11, true), sizeFont = SheetFont(11);
    const QFontMetrics fm(nameFont);
    int x = kMargin, y = top, rowH = 0;
    for (const Cell &c : cells) {
        const QSize sz = c.image.size();
        const bool zoom = std::max(sz.width(), sz.height()) <= 48;
        const int picW = sz.width() + (zoom ? sz.width() * 3 + 8 : 0);
        const int picH = std::max(sz.height(), zoom ? sz.height() * 3 : 0);
        const int cellW = std::max(picW, fm.horizontalAdvance(c.name)) + 24;
        const int cellH = picH + 2 * fm.height() + 18;
        if (x + cellW > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowH;
            rowH = 0;
        }
        if (paint) {
            p.drawImage(x, y, c.image);
            if (zoom)
                p.drawImage(QRect(x + sz.width() + 8, y, sz.width() * 3, sz.height() * 3), c.image);
            p.setPen(kInk);
            p.setFont(nameFont);
            p.drawText(x, y + picH + 4 + fm.ascent(), c.name);
            p.setFont(sizeFont);
            p.drawText(x, y + picH + 4 + fm.height() + fm.ascent(),
                       QString("%1 × %2").arg(sz.width()).arg(sz.height()));
        }
        x += cellW;
        rowH = std::max(rowH, cellH);
    }
    return y + rowH;
}

QImage Sheet(const QString &heading, const QString &note, const QImage &preview,
             const std::vector<Cell> &cells)
{
    const int listTop = 56 + (preview.isNull() ? 0 : preview.height() + 24);
    QPainter measure;
    const int height = PaintListing(measure, cells, listTop, false) + kMargin;
    QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
    sheet.fill(kSheetColour);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kInk);
    p.setFont(SheetFont(20, true));
    p.drawText(kMargin, 30, heading);
    p.setFont(SheetFont(12));
    p.drawText(kMargin, 48, note);
    if (!preview.isNull())
        p.drawImage(kMargin, 60, preview);
    PaintListing(p, cells, listTop, true);
    return sheet;
}

} // namespace

QImage StyleContactSheet(const StylePalette &s, const std::vector<NamedPicture> &pictures)
{
    QHash<QString, QImage> byName;
    std::vector<Cell> cells;
    for (const NamedPicture &np : pictures) {
        byName.insert(np.name, np.image);
        cells.push_back({np.name, np.image});
    }
    return Sheet(s.title + " style bitmaps",
                 "Above: a window put together from the pictures. Below: every picture at its size "
                 "(small ones also three times larger); fuchsia is see-through.",
                 Preview(s, byName), cells);
}

QImage CommonContactSheet(const std::vector<NamedPicture> &pictures, const QImage &largeIcon)
{
    std::vector<Cell> cells;
    for (const NamedPicture &np : pictures)
        cells.push_back({np.name, np.image});
    // The small sizes are drawn for their size, not scaled down.
    for (int side : {16, 24, 32, 48})
        cells.push_back({QStringLiteral("icon %1x%1").arg(side), ProgramIcon(side)});
    cells.push_back({"icons/quorvel-marlune.png", largeIcon});
    return Sheet("Common bitmaps",
                 "Menu check mark, message icons and the program icon; fuchsia is see-through.",
                 QImage(), cells);
}
