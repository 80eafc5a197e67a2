#include "vekbutton.h"

#include "vekbuttondraw.h"
#include "vekpublic.h"

#include <QAction>
#include <QPainter>

TvekButton::TvekButton(QWidget *owner) : TvekCustomButton(owner)
{
    SetBounds(x(), y(), 80, 27);
    SetTabStop(true);
    ApplyUIStyle(GetVEKFormStyle(OwnerWindow(owner)));
}

TvekButton::~TvekButton() = default;

void TvekButton::SetGlyph(const QImage &value)
{
    if (!vekAssign(FGlyph, value))
        return;
    Invalidate();
}

void TvekButton::SetLayout(TButtonLayout value)
{
    if (FLayout == value)
        return;
    FLayout = value;
    Invalidate();
}

void TvekButton::SetSpacing(int value)
{
    if (FSpacing == value)
        return;
    FSpacing = value;
    Invalidate();
}

// Naming a picture makes the pictures the user's own.
void TvekButton::SetPicNormal(const QString &value)
{
    SetUIStyle(TvekUIStyle::Custom);
    TvekCustomButton::SetPicNormal(value);
}

void TvekButton::SetPicMouseOn(const QString &value)
{
    SetUIStyle(TvekUIStyle::Custom);
    TvekCustomButton::SetPicMouseOn(value);
}

void TvekButton::SetPicMouseDown(const QString &value)
{
    SetUIStyle(TvekUIStyle::Custom);
    TvekCustomButton::SetPicMouseDown(value);
}

QString TvekButton::GetPicNormal() const
{
    return FUIStyle == TvekUIStyle::Custom ? FPicNormalResName : QString();
}

QString TvekButton::GetPicMouseOn() const
{
    return FUIStyle == TvekUIStyle::Custom ? FPicMouseOnResName : QString();
}

QString TvekButton::GetPicMouseDown() const
{
    return FUIStyle == TvekUIStyle::Custom ? FPicMouseDownResName : QString();
}

// The MacOS pictures fit one height only.
bool TvekButton::CanResize(int &, int &newHeight)
{
    return newHeight == 23 || FUIStyle != TvekUIStyle::MacOS;
}

void TvekButton::UIStyleChanged()
{
    if (FUIStyle == TvekUIStyle::MacOS)
        SetHeight(23);
    SetTransparent(FUIStyle == TvekUIStyle::BlueGlass);
}

void TvekButton::PaintPic(QPainter &canvas, const QImage &picture)
{
    canvas.setFont(font());
    if (FUIStyle != TvekUIStyle::Custom)
        SpitDraw(picture, canvas, rect(), PicTransparent());
    else
        TvekCustomButton::PaintPic(canvas, picture);
    if (!FGlyph.isNull())
        PaintGlyph(canvas);
}

// The glyph and the caption laid out together, as they stand unpressed; a
// glyph twice as wide as high holds an enabled and a disabled frame.
TvekButton::TGlyphLayout TvekButton::LayOutGlyph() const
{
    const QSize text = TextExtent(Caption());
    const int tw = text.width(), th = text.height();
    int gw = FGlyph.width();
    const int gh = FGlyph.height();
    const bool twoFrames = gw == 2 * gh;
    if (twoFrames)
        gw = gh;
    const int W = width(), H = height(), S = FSpacing;
    int gx = 0, gy = 0, tx = 0, ty = 0;
    switch (FLayout) {
    case blGlyphLeft:
        gx = (W - tw - gw - S) / 2;
        gy = (H - gh) / 2;
        tx = gx + gw + S;
        ty = (H - th) / 2;
        break;
    case blGlyphRight:
        gx = (W + tw + S - gw) / 2;
        gy = (H - gh) / 2;
        tx = gx - tw - S;
        ty = (H - th) / 2;
        break;
    case blGlyphTop:
        gx = (W - gw) / 2;
        gy = (H - th - gh - S) / 2;
        tx = (W - tw) / 2;
        ty = gy + gh + S;
        break;
    case blGlyphBottom:
        gx = (W - gw) / 2;
        gy = (H + th + S - gh) / 2;
        tx = (W - tw) / 2;
        ty = gy - th - S;
        break;
    }
    return {QRect(gx, gy, gw, gh), QPoint(tx, ty), twoFrames};
}

// The glyph moves one pixel while pressed, the caption too unless disabled.
QRect TvekButton::GlyphRect() const
{
    const QRect glyph = LayOutGlyph().glyph;
    return MouseDown() ? glyph.translated(1, 1) : glyph;
}

QPoint TvekButton::TextPos() const
{
    const QPoint text = LayOutGlyph().text;
    return MouseDown() && isEnabled() ? text + QPoint(1, 1) : text;
}

void TvekButton::PaintGlyph(QPainter &canvas) const
{
    const TGlyphLayout layout = LayOutGlyph();
    const QRect at = GlyphRect();
    const QColor mask = QColor::fromRgb(FGlyph.pixel(0, 0));
    const int frame = layout.twoFrames && !isEnabled() ? 1 : 0;
    QImage image = FGlyph.copy(frame * at.width(), 0, at.width(), at.height());
    image = MaskedImage(image, FromQColor(mask));
    DrawImageList(canvas, at.topLeft(), image, false, layout.twoFrames || isEnabled());
}

void TvekButton::PaintText(QPainter &canvas, const QString &text)
{
    if (FGlyph.isNull()) {
        TvekCustomButton::PaintText(canvas, text);
        return;
    }
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    const QPoint at = TextPos();
    const QPoint end(width() - 1, height() - 1);
    if (!isEnabled()) {
        canvas.setPen(vekDisabledShadow);
        canvas.drawText(QRect(at + QPoint(1, 1), end), vekLeftTopText, text);
        canvas.setPen(vekDisabledText);
    } else {
        canvas.setPen(ToQColor(FontColor()));
    }
    canvas.drawText(QRect(at, end), vekLeftTopText, text);
}

// MacOS and BlueGlass mark the focus with a blue line near the bottom.
void TvekButton::PaintFocus(QPainter &canvas)
{
    if (FUIStyle != TvekUIStyle::MacOS && FUIStyle != TvekUIStyle::BlueGlass) {
        TvekCustomButton::PaintFocus(canvas);
        return;
    }
    const int W = width(), H = height();
    if (W - 10 <= 10)
        return;
    canvas.save();
    canvas.setPen(QPen(ToQColor(clBlue), 1));
    canvas.drawLine(10, H - 5, W - 11, H - 5);
    canvas.restore();
}

void TvekButton::SetButtonPic(TvekUIStyle style)
{
    if (style == TvekUIStyle::Custom)
        return;
    SetResHandle(0);
    FPicNormalResName = GetThemeString(style, TvekThemeElement::ButtonNormalPic);
    FPicMouseOnResName = GetThemeString(style, TvekThemeElement::ButtonMouseOnPic);
    FPicMouseDownResName = GetThemeString(style, TvekThemeElement::ButtonMouseDownPic);
}

void TvekButton::ActionChange()
{
    TvekCustomButton::ActionChange();
    if (Action() && FGlyph.isNull() && !Action()->icon().isNull())
        SetGlyph(Action()->icon().pixmap(16, 16).toImage());
}
