#include "vekimagebutton.h"

#include "vekbuttondraw.h"
#include "vekpublic.h"

#include <QPainter>

TvekImageButton::TvekImageButton(QWidget *owner) : TvekCustomButton(owner) {}

TvekImageButton::~TvekImageButton() = default;

void TvekImageButton::SetPicNormalF(const QImage &value)
{
    if (!vekAssign(FPicNormal, value))
        return;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetPicMouseOnF(const QImage &value)
{
    if (!vekAssign(FPicMouseOn, value))
        return;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetPicMouseDownF(const QImage &value)
{
    if (!vekAssign(FPicMouseDown, value))
        return;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetPicDisabledF(const QImage &value)
{
    if (!vekAssign(FPicDisabled, value))
        return;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetStretch(bool value)
{
    if (FStretch == value)
        return;
    FStretch = value;
    Invalidate();
}

// The button follows the normal picture's size, whichever picture was set.
void TvekImageButton::AutoSizeChanged()
{
    if (parentWidget() && AutoSize() && !FPicNormal.isNull())
        SetBounds(x(), y(), FPicNormal.width(), FPicNormal.height());
}

void TvekImageButton::PaintPic(QPainter &canvas, const QImage &picture)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    const TColor mask = TopLeftColor(picture);
    QImage image =
        FStretch ? picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation) : picture;
    if (PicTransparent())
        image = MaskedImage(image, mask);
    canvas.drawImage(0, 0, image);
}

QImage TvekImageButton::PaintButtonNormal()
{
    return FPicNormal;
}

QImage TvekImageButton::PaintButtonMouseOn()
{
    return !FPicMouseOn.isNull() ? FPicMouseOn : FPicNormal;
}

QImage TvekImageButton::PaintButtonMouseDown()
{
    return !FPicMouseDown.isNull() ? FPicMouseDown : FPicNormal;
}

QImage TvekImageButton::PaintButtonDisabled()
{
    return !FPicDisabled.isNull() ? FPicDisabled : FPicNormal;
}
