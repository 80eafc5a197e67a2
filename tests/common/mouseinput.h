#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

// Mouse input delivered straight to a widget, without a window system in
// between. `button` is the button that changed, `held` the buttons down
// after the event.
inline void SendMouseEvent(QWidget *target, QEvent::Type type, const QPoint &pos,
                           const QPoint &global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A left-button event as the platform reports it during a drag: the global
// position follows the pointer, wherever the window has moved meanwhile.
// `buttons` are those held during a move.
inline void SendMouseAt(QWidget *target, QEvent::Type type, const QPoint &pos, const QPoint &global,
                        Qt::MouseButtons buttons = Qt::LeftButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    SendMouseEvent(target, type, pos, global, button,
                   type == QEvent::MouseButtonRelease ? Qt::NoButton : buttons);
}

// A left-button event whose global position follows the widget's place on
// the screen; a move with Qt::NoButton is a hover.
inline void SendMouse(QWidget *target, QEvent::Type type, const QPoint &pos,
                      Qt::MouseButtons buttons = Qt::LeftButton)
{
    SendMouseAt(target, type, pos, target->mapToGlobal(pos), buttons);
}

inline void Click(QWidget *target, const QPoint &pos)
{
    SendMouse(target, QEvent::MouseButtonPress, pos);
    SendMouse(target, QEvent::MouseButtonRelease, pos);
}

// Press, move with the button held, and release of any one button.
inline void Press(QWidget *target, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouseEvent(target, QEvent::MouseButtonPress, pos, target->mapToGlobal(pos), button, button);
}

inline void MoveHeld(QWidget *target, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouseEvent(target, QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, button);
}

inline void Release(QWidget *target, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouseEvent(target, QEvent::MouseButtonRelease, pos, target->mapToGlobal(pos), button,
                   Qt::NoButton);
}
