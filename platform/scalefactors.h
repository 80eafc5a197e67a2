#pragma once

#include <QByteArray>

// A scale factor list as QT_SCREEN_SCALE_FACTORS or QT_SCALE_FACTOR give it
// ("1.5", "1.25;2", "DP-1=1.75;HDMI-1=1") with every factor rounded to a
// whole number of at least 1 (1.25 gives 1, 1.5 and 1.75 give 2). Entries
// that are not numbers are kept as they are.
QByteArray RoundedScaleFactors(const QByteArray &factors);

// Rounds the scale factors the desktop passes through the environment, like
// the one Qt derives from the screen's resolution, so that skin bitmaps are
// drawn at whole multiples of their pixels. Must run before the application
// object exists.
void RoundScaleFactorsInEnvironment();
