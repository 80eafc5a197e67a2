#include "vekimagepanel.h"

#include <QPainter>

TvekImagePanel::TvekImagePanel(QWidget *owner) : QWidget(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

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
    if (FPicture.isNull())
        canvas.fillRect(rect(), palette().window());
    else
        canvas.drawImage(0, 0, FPicture);
}
