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
    // Where the picture does not reach, the panel shows its own colour.
    if (FPicture.isNull() || !FPicture.rect().contains(rect()) || FPicture.hasAlphaChannel())
        canvas.fillRect(rect(), palette().window());
    canvas.drawImage(0, 0, FPicture);
}
