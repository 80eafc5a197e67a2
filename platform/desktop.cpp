#include "desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

QRect GetWorkArea(const QPoint &near)
{
    QScreen *screen = nullptr;
    if (near != QPoint(-1, -1))
        screen = QGuiApplication::screenAt(near);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint GetCursorPos()
{
    return QCursor::pos();
}
