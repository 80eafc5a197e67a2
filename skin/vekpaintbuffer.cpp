#include "vekpaintbuffer.h"

#include <QWidget>

namespace {

QImage DeviceImage(const QWidget *control)
{
    const qreal ratio = control->devicePixelRatioF();
    QImage image(control->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

} // namespace

TvekPaintBuffer::TvekPaintBuffer(QWidget *control)
    : FControl(control), FImage(DeviceImage(control)), FCanvas(&FImage)
{}

TvekPaintBuffer::~TvekPaintBuffer()
{
    FCanvas.end();
    QPainter(FControl).drawImage(0, 0, FImage);
}
