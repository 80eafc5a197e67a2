#include "vekcustombuttonex.h"

#include "vekaccessiblesupport.h"
#include "vekbuttondraw.h"

#include <QFontInfo>
#include <QPainter>

#include <algorithm>

TvekCustomButtonEx::TvekCustomButtonEx(QWidget *owner) : TvekCustomButton(owner)
{
    SetParentColor(true);
    SetTabStop(true);
    SetBounds(x(), y(), 93, height());
}

void TvekCustomButtonEx::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    CheckStateChanged();
    VekNotifyCheckedChanged(this);
    Invalidate();
}

// The control takes the focus and changes its state before the form's
// modal result and OnClick, so OnClick sees the new state.
void TvekCustomButtonEx::Click()
{
    if (CanFocus())
        setFocus(Qt::MouseFocusReason);
    const QPointer<TvekCustomButtonEx> self(this);
    DoClick();
    if (self)
        TvekCustomButton::Click();
}

void TvekCustomButtonEx::AutoSizeChanged()
{
    ReplaceControl();
}

void TvekCustomButtonEx::CaptionChanged()
{
    TvekCustomButton::CaptionChanged();
    ReplaceControl();
    Invalidate();
}

void TvekCustomButtonEx::FontChanged()
{
    TvekCustomButton::FontChanged();
    ReplaceControl();
    Invalidate();
}

void TvekCustomButtonEx::UIStyleChanged()
{
    SetButtonPic(FUIStyle);
}

// The state picture at (1, y), centred by the style's box height.
QRect TvekCustomButtonEx::CheckRect() const
{
    const int h = GetPicHeight();
    return QRect(1, (height() - h) / 2, GetPicWidth(), h);
}

int TvekCustomButtonEx::CaptionTop() const
{
    return (height() - (FontHeight() + 2)) / 2;
}

// The caption from pw + 4 to the right and bottom edges.
QRect TvekCustomButtonEx::TextRect() const
{
    return EdgesRect(GetPicWidth() + 4, CaptionTop(), width(), height());
}

QRect TvekCustomButtonEx::FocusRect() const
{
    return EdgesRect(GetPicWidth() + 3, CaptionTop(), width(), height());
}

void TvekCustomButtonEx::PaintPic(QPainter &canvas, const QImage &picture)
{
    DrawImageList(canvas, CheckRect().topLeft(), picture, PicTransparent(), true);
}

// The caption does not move while pressed and is plain grey when disabled.
void TvekCustomButtonEx::PaintText(QPainter &canvas, const QString &text)
{
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    canvas.setPen(isEnabled() ? ToQColor(FontColor()) : vekDisabledText);
    canvas.drawText(TextRect(), vekLeftTopText, text);
}

void TvekCustomButtonEx::PaintFocus(QPainter &canvas)
{
    DrawFocusRect(canvas, FocusRect());
}

void TvekCustomButtonEx::resizeEvent(QResizeEvent *event)
{
    TvekCustomButton::resizeEvent(event);
    ReplaceControl();
}

int TvekCustomButtonEx::FontHeight() const
{
    const QFont f = font();
    return f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
}

void TvekCustomButtonEx::ReplaceControl()
{
    if (!AutoSize())
        return;
    const int h = std::max(FontHeight() + 2, GetPicHeight()) + 4;
    const int w = GetPicWidth() + TextExtent(Caption()).width() + 8;
    if (size() != QSize(w, h))
        SetBounds(x(), y(), w, h);
}
