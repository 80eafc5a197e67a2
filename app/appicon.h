#pragma once

#include <QIcon>

// The program icon with an image for every size it is drawn at (16, 24, 32,
// 48, 64, 128 and 256 pixels), so task bars and title bars get one drawn for
// their size rather than scaled.
QIcon ProgramWindowIcon();
