#include "vekaccessibleslider.h"

#include "vekscrollbar.h"
#include "vektrackbar.h"

TvekAccessibleSlider::TvekAccessibleSlider(TvekScrollBar *bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar), FScrollBar(bar)
{}

TvekAccessibleSlider::TvekAccessibleSlider(TvekTrackBar *bar)
    : QAccessibleWidget(bar, QAccessible::Slider), FTrackBar(bar)
{}

QString TvekAccessibleSlider::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return currentValue().toString();
    return QAccessibleWidget::text(t);
}

void *TvekAccessibleSlider::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant TvekAccessibleSlider::currentValue() const
{
    return FScrollBar ? FScrollBar->Position() : FTrackBar->Position();
}

// Setting goes through the control's own setter, which clamps and reports.
void TvekAccessibleSlider::setCurrentValue(const QVariant &value)
{
    if (FScrollBar)
        FScrollBar->SetPosition(value.toInt());
    else
        FTrackBar->SetPosition(value.toInt());
}

QVariant TvekAccessibleSlider::maximumValue() const
{
    return FScrollBar ? FScrollBar->Max() : FTrackBar->Max();
}

QVariant TvekAccessibleSlider::minimumValue() const
{
    return FScrollBar ? FScrollBar->Min() : FTrackBar->Min();
}

QVariant TvekAccessibleSlider::minimumStepSize() const
{
    return FScrollBar ? FScrollBar->SmallChange() : 1;
}
