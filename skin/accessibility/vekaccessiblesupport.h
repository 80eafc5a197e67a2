#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

// Small pieces the skinned controls' accessible interfaces share, and the
// notifications the controls send when what they expose changes.

// A caption as a screen reader says it: "&" marks dropped, "&&" read as "&".
QString VekStripMnemonic(const QString &caption);
// The keyboard shortcut of a caption's "&" mark ("Alt+O"), empty for none.
QString VekMnemonicShortcut(const QString &caption);

// Runs an action of an accessible interface from the event loop, as a click
// arrives: the caller (a screen reader over the bus) is answered first, even
// when the click opens a modal window. Dropped when the control goes first.
template <typename Control, typename Action> void VekDeferAction(Control *control, Action action)
{
    QMetaObject::invokeMethod(
        control, [control, action] { action(control); }, Qt::QueuedConnection);
}

// A control's name (its caption) changed.
void VekNotifyNameChanged(QObject *control);
// A control's checked state changed.
void VekNotifyCheckedChanged(QObject *control);
// A track bar's value changed; the track of a scroll bar speaks for the bar.
void VekNotifyValueChanged(QObject *track, int value);
