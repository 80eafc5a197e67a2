#pragma once

#include "stylepalette.h"

#include <QImage>
#include <QString>

#include <vector>

struct NamedPicture
{
    QString name; // the resource name, "DEEPBLUE_BUTTON_NORMAL"
    QImage image;
};

// Every picture of a style under the names the theme table gives it, plus the
// style's pictures that are loaded by fixed names.
std::vector<NamedPicture> StylePictures(const StylePalette &s);
// The pictures that belong to no style: menu check mark, message icons, program icon.
std::vector<NamedPicture> CommonPictures();
