#include "vekimagepanel.h"

#include <QPainter>

// See-through where the picture is: what lies under it shows in its clear pixels.
TvekImagePanel::TvekImagePanel(QWidget *owner) : QWidget(owner) {}

void TvekImagePanel::SetPicture(const QImage &value)
{
    FPicture = value;
    if (FAutoSize)
        AdjustSize();
    update();
}

void TvekImagePanel::SetAutoSize(bool value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    if (FAutoSize)
        AdjustSize();
}

void TvekImagePanel::AdjustSize()
{
    if (!FPicture.isNull())
        resize(FPicture.size());
}

void TvekImagePanel::UpdateUIStyle(TvekUIStyle style)
{
    ContainerApplyUIStyle(this, style);
}

void TvekImagePanel::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    canvas.drawImage(0, 0, FPicture);
}
