#pragma once

#include <QImage>
#include <QPainter>

class QWidget;

// The one way a skinned control paints its whole area: into an off-screen
// image at the device pixel ratio of the screen it shows on, copied onto the
// control in one step when the buffer goes out of scope, so nothing flickers
// and a high-density screen gets every pixel. The canvas works in the
// control's own coordinates and starts black.
//
//     void TvekSomething::paintEvent(QPaintEvent *)
//     {
//         TvekPaintBuffer buffer(this);
//         buffer.Canvas().fillRect(rect(), ...);
//     }
class TvekPaintBuffer
{
public:
    explicit TvekPaintBuffer(QWidget *control);
    ~TvekPaintBuffer();
    TvekPaintBuffer(const TvekPaintBuffer &) = delete;
    TvekPaintBuffer &operator=(const TvekPaintBuffer &) = delete;

    QPainter &Canvas() { return FCanvas; }
    // The image itself, for tests and for controls that read back pixels.
    const QImage &Image() const { return FImage; }

private:
    QWidget *FControl;
    QImage FImage;
    QPainter FCanvas;
};
