#pragma once

#include <QPoint>
#include <QRect>

// The desktop work area (the screen less panels and task bars) in screen
// coordinates, of the screen under the given point (the primary screen by default).
QRect GetWorkArea(const QPoint &near = QPoint(-1, -1));
QPoint GetCursorPos();
