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
    // The box of the state picture, the caption's rectangle and the focus
    // mark's, all fixed by the style's picture size and the font.
    QRect CheckRect() const;
    QRect TextRect() const;
    QRect FocusRect() const;

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

private:
    // The caption's top: the font's line, two pixels taller, centred.
    int CaptionTop() const;
};
