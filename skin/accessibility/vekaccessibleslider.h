#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class TvekScrollBar;
class TvekTrackBar;

// A skinned scroll bar or track bar: its value, range and step, as Qt's own
// scroll bar and slider give them. The arrows, track and slider are drawn
// parts of the control, not children.
class TvekAccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit TvekAccessibleSlider(TvekScrollBar *bar);
    explicit TvekAccessibleSlider(TvekTrackBar *bar);

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TvekScrollBar *FScrollBar = nullptr;
    TvekTrackBar *FTrackBar = nullptr;
};
