#include "vekprogressbar.h"

#include "vekpublic.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

// The progress bar as assistive tools see it: role progress bar, its value
// and range, its percentage as the value text; read-only.
class TvekProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit TvekProgressBarAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::ProgressBar)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(Bar()->Percent()) + QLatin1Char('%');
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    QVariant currentValue() const override { return Bar()->Position(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return Bar()->Max(); }
    QVariant minimumValue() const override { return Bar()->Min(); }
    QVariant minimumStepSize() const override { return 0; }

private:
    TvekProgressBar *Bar() const { return static_cast<TvekProgressBar *>(widget()); }
};

QAccessibleInterface *ProgressBarAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TvekProgressBar") && object && object->isWidgetType())
        return new TvekProgressBarAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ProgressBarAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

TvekProgressBar::TvekProgressBar(QWidget *owner) : QWidget(owner)
{
    InstallAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(150, 16);
    SetUIStyle(GetVEKFormStyle(owner));
}

void TvekProgressBar::SetMin(int value)
{
    if (FMin == value)
        return;
    FMin = value;
    FMax = std::max(FMax, FMin);
    SetPosition(FPosition);
    UpdateLayout();
}

void TvekProgressBar::SetMax(int value)
{
    if (FMax == value)
        return;
    FMax = value;
    FMin = std::min(FMin, FMax);
    SetPosition(FPosition);
    UpdateLayout();
}

void TvekProgressBar::SetPosition(int value)
{
    value = std::clamp(value, FMin, FMax);
    if (FPosition == value)
        return;
    FPosition = value;
    UpdateLayout();
    QAccessibleValueChangeEvent event(this, FPosition);
    QAccessible::updateAccessibility(&event);
}

void TvekProgressBar::SetOrientation(TvekProgressBarOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    LoadPictures();
    UpdateLayout();
}

void TvekProgressBar::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    LoadPictures();
    update();
}

void TvekProgressBar::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    update();
}

void TvekProgressBar::SetBorderColor(TColor value)
{
    if (FBorderColor == value)
        return;
    FBorderColor = value;
    update();
}

void TvekProgressBar::SetBarImage(const QImage &value)
{
    FBarImage = value;
    update();
}

void TvekProgressBar::LoadPictures()
{
    if (FUIStyle == TvekUIStyle::Custom)
        return;
    FBarImage = LoadThemeBitmap(FUIStyle, FOrientation == vekVertical
                                              ? TvekThemeElement::ProgressBarVerticalPic
                                              : TvekThemeElement::ProgressBarPic);
    FColor = GetThemeColor(FUIStyle, TvekThemeElement::ControlColor);
    FBorderColor = GetThemeColor(FUIStyle, TvekThemeElement::ControlBorderColor);
}

int TvekProgressBar::Percent() const
{
    if (FMax == FMin)
        return 0;
    return static_cast<int>((std::int64_t(FPosition) - FMin) * 100 / (std::int64_t(FMax) - FMin));
}

void TvekProgressBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateLayout();
}

// The done part inside the one-pixel border, its length in proportion.
void TvekProgressBar::UpdateLayout()
{
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const bool vertical = FOrientation == vekVertical;
    const std::int64_t room = vertical ? inside.height() : inside.width();
    const std::int64_t length =
        FMax == FMin ? 0 : (std::int64_t(FPosition) - FMin) * room / (std::int64_t(FMax) - FMin);
    QRect done = inside;
    if (vertical)
        done.setTop(inside.bottom() + 1 - static_cast<int>(length));
    else
        done.setWidth(static_cast<int>(length));
    if (done == FDoneRect)
        return;
    FDoneRect = done;
    update();
}

// The picture is three parts along the bar: the ends keep their size, the
// middle stretches. The vertical picture is turned, drawn as a horizontal
// one, and turned back.
void TvekProgressBar::DrawDone(QPainter &canvas) const
{
    if (FBarImage.isNull() || FDoneRect.isEmpty())
        return;
    if (FOrientation == vekHorizontal) {
        SpitDrawHorizontal(FBarImage, canvas, FDoneRect, false);
        return;
    }
    QImage picture = FBarImage.convertToFormat(QImage::Format_ARGB32);
    RoundPicture3(picture);
    QImage strip(FDoneRect.height(), FDoneRect.width(), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter stripCanvas(&strip);
    SpitDrawHorizontal(picture, stripCanvas, strip.rect(), false);
    stripCanvas.end();
    RoundPicture(strip);
    canvas.drawImage(FDoneRect.topLeft(), strip);
}

void TvekProgressBar::paintEvent(QPaintEvent *)
{
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&buffer);
    canvas.fillRect(rect(), ToQColor(FColor));
    DrawDone(canvas);
    canvas.setPen(ToQColor(FBorderColor));
    canvas.drawRect(rect().adjusted(0, 0, -1, -1));
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}
