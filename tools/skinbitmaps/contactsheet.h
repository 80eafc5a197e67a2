#pragma once

#include "catalogue.h"

#include <QImage>

// A sheet that shows a style at a glance: a small window put together from the
// pictures the way the skinned controls draw them, then every picture with its
// name and size.
QImage StyleContactSheet(const StylePalette &s, const std::vector<NamedPicture> &pictures);
// The pictures that belong to no style, with the large program icon.
QImage CommonContactSheet(const std::vector<NamedPicture> &pictures, const QImage &largeIcon);
