#include "tlabel.h"

#include "vekaccessiblesupport.h"

#include <QEvent>
#include <QPainter>

TLabel::TLabel(QWidget *parent) : QLabel(parent) {}

void TLabel::SetCaption(const QString &value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    VekNotifyNameChanged(this);
    update();
}

void TLabel::SetColor(TColor value)
{
    FColor = value;
    FParentColor = false;
    update();
}

void TLabel::SetFontColor(TColor value)
{
    if (FFontColor == value)
        return;
    FFontColor = value;
    update();
}

void TLabel::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    update();
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    if (!FParentColor)
        canvas.fillRect(rect(), ToQColor(FColor));
    canvas.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (isEnabled()) {
        canvas.setPen(ToQColor(FFontColor));
        canvas.drawText(rect(), flags, FCaption);
        return;
    }
    // Disabled: a highlight one pixel down and right, the shadow over it.
    canvas.setPen(ToQColor(clBtnHighlight));
    canvas.drawText(rect().translated(1, 1), flags, FCaption);
    canvas.setPen(ToQColor(clBtnShadow));
    canvas.drawText(rect(), flags, FCaption);
}

void TLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    QLabel::changeEvent(event);
}
