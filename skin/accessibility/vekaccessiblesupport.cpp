#include "vekaccessiblesupport.h"

#include "vekscrollbar.h"
#include "vektrackbar.h"

#include <QAccessible>
#include <QKeySequence>

QString VekStripMnemonic(const QString &caption)
{
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i;
            if (i == caption.size())
                break;
        }
        name += caption[i];
    }
    return name;
}

QString VekMnemonicShortcut(const QString &caption)
{
    return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
}

// Nothing is built while no assistive technology listens.
void VekNotifyNameChanged(QObject *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void VekNotifyCheckedChanged(QObject *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void VekNotifyValueChanged(QObject *track, int value)
{
    if (!QAccessible::isActive())
        return;
    QObject *control = track;
    if (qobject_cast<TvekScrollTrackBar *>(track))
        if (auto *bar = qobject_cast<TvekScrollBar *>(track->parent()))
            control = bar;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}
