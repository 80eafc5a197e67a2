#pragma once

#include "vekcustombutton.h"

#include <QImage>

// A skinned button drawn from four pictures it is given: normal, mouse-on,
// mouse-down and disabled.
class TvekImageButton : public TvekCustomButton
{
    Q_OBJECT
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormalF)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOnF)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDownF)
    Q_PROPERTY(QImage PicDisabled READ PicDisabled WRITE SetPicDisabledF)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TvekImageButton(QWidget *owner = nullptr);
    ~TvekImageButton() override;

    QImage PicNormal() const { return FPicNormal; }
    QImage PicMouseOn() const { return FPicMouseOn; }
    QImage PicMouseDown() const { return FPicMouseDown; }
    QImage PicDisabled() const { return FPicDisabled; }
    void SetPicNormalF(const QImage &value);
    void SetPicMouseOnF(const QImage &value);
    void SetPicMouseDownF(const QImage &value);
    void SetPicDisabledF(const QImage &value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    // Its pictures are its own: a container's style leaves them.
    void ApplyContainerStyle(TvekUIStyle) override {}

protected:
    void AutoSizeChanged() override;
    void PaintPic(QPainter &canvas, const QImage &picture) override;
    QImage PaintButtonNormal() override;
    QImage PaintButtonMouseOn() override;
    QImage PaintButtonMouseDown() override;
    QImage PaintButtonDisabled() override;
    void SetButtonPic(TvekUIStyle) override {}

private:
    QImage FPicNormal;
    QImage FPicMouseOn;
    QImage FPicMouseDown;
    QImage FPicDisabled;
    bool FStretch = false;
};
