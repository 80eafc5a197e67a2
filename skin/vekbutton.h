#pragma once

// The button unit: the push button, and through this one include the rest
// of the button family (check box, radio button, image button).

#include "vekcheckbox.h"
#include "vekcustombutton.h"
#include "vekimagebutton.h"
#include "vekradiobutton.h"

#include <QImage>
#include <QPoint>

// Where a push button's glyph stands relative to its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

Q_DECLARE_METATYPE(TButtonLayout)

// The skinned push button: pictures of the built-in style stretched over any
// size, an optional glyph beside the caption.
class TvekButton : public TvekCustomButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(uint ResHandle READ ResHandle WRITE SetResHandle)
    Q_PROPERTY(QString PicNormalResName READ GetPicNormal WRITE SetPicNormal)
    Q_PROPERTY(QString PicMouseDownResName READ GetPicMouseDown WRITE SetPicMouseDown)
    Q_PROPERTY(QString PicMouseOnResName READ GetPicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)

public:
    explicit TvekButton(QWidget *owner = nullptr);
    ~TvekButton() override;

    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage &value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    // Where the glyph is drawn and where the caption beside it starts, in the
    // current state (both move one pixel while pressed).
    QRect GlyphRect() const;
    QPoint TextPos() const;

    void SetPicNormal(const QString &value) override;
    void SetPicMouseOn(const QString &value) override;
    void SetPicMouseDown(const QString &value) override;
    QString GetPicNormal() const override;
    QString GetPicMouseOn() const override;
    QString GetPicMouseDown() const override;
    bool CanResize(int &newWidth, int &newHeight) override;

protected:
    void UIStyleChanged() override;
    void PaintPic(QPainter &canvas, const QImage &picture) override;
    void PaintText(QPainter &canvas, const QString &text) override;
    void PaintFocus(QPainter &canvas) override;
    void SetButtonPic(TvekUIStyle style) override;
    void ActionChange() override;

private:
    struct TGlyphLayout
    {
        QRect glyph;
        QPoint text;
        bool twoFrames = false;
    };
    TGlyphLayout LayOutGlyph() const;
    void PaintGlyph(QPainter &canvas) const;

    QImage FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
};
