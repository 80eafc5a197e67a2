#include "vekcustombuttonex.h"

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
void TvekCustomButtonEx::PaintPic(QPainter &canvas, const QImage &picture)
{
    const int y = (height() - GetPicHeight()) / 2;
    DrawImageList(canvas, QPoint(1, y), picture, PicTransparent(), true);
}

// The caption from pw + 4, not moved while pressed, plain grey when disabled.
void TvekCustomButtonEx::PaintText(QPainter &canvas, const QString &text)
{
    const int yt = (height() - (FontHeight() + 2)) / 2;
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    canvas.setPen(isEnabled() ? ToQColor(FontColor()) : vekDisabledText);
    FTextRect = EdgesRect(GetPicWidth() + 4, yt, width(), height());
    canvas.drawText(FTextRect, vekLeftTopText, text);
}

void TvekCustomButtonEx::PaintFocus(QPainter &canvas)
{
    const int yt = (height() - (FontHeight() + 2)) / 2;
    DrawFocusRect(canvas, EdgesRect(GetPicWidth() + 3, yt, width(), height()));
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
