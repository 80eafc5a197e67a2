#pragma once

#include "vekcustombutton.h"

#include <QRect>

// A button with a checked state: a small state picture at the left, the
// caption to its right.
class TvekCustomButtonEx : public TvekCustomButton
{
    Q_OBJECT

public:
    explicit TvekCustomButtonEx(QWidget *owner = nullptr);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // Where the caption was laid out at the last paint.
    QRect TextRect() const { return FTextRect; }

    void Click() override;
    virtual int GetPicWidth() const = 0;
    virtual int GetPicHeight() const = 0;

protected:
    virtual void DoClick() {}
    virtual void CheckStateChanged() {}
    void AutoSizeChanged() override;
    void CaptionChanged() override;
    void FontChanged() override;
    void UIStyleChanged() override;
    void PaintPic(QPainter &canvas, const QImage &picture) override;
    void PaintText(QPainter &canvas, const QString &text) override;
    void PaintFocus(QPainter &canvas) override;
    void resizeEvent(QResizeEvent *event) override;

    // The font's height in pixels.
    int FontHeight() const;
    // Sizes the control to its picture and caption when AutoSize is set.
    void ReplaceControl();

    bool FChecked = false;
    QRect FTextRect;
};
