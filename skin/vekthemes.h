#pragma once

#include "tcolor.h"

#include <QImage>
#include <QMetaType>
#include <QString>

#include <cstdint>

class QWidget;

// The built-in looks of the skinned components. Custom keeps the pictures and
// colours a component was given and loads nothing.
enum class TvekUIStyle : std::uint8_t {
    Custom = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5
};

// The kind of a theme element.
enum class TvekType : std::uint8_t { Int = 0, Color = 1, Str = 2, Bool = 3 };

// Number of elements in a style's row (numbered 1 to 91).
constexpr int vekThemeElementCount = 91;

// The raw lookup: element n of a built-in style and its kind; -1 and Int for
// Custom, an unknown style or a number outside 1 to 91. A name element (Str)
// yields its own number; GetThemeString gives the name.
std::int32_t GetThemeElement(TvekUIStyle style, int n, TvekType &kind);
int GetThemeInt(TvekUIStyle style, int n);
TColor GetThemeColor(TvekUIStyle style, int n);
bool GetThemeBool(TvekUIStyle style, int n);
// A bitmap resource name, or empty when the element is not a name.
QString GetThemeString(TvekUIStyle style, int n);
// Loads the bitmap that element n names (raises EResNotFound for a missing one).
QImage LoadThemeBitmap(TvekUIStyle style, int n);

// The style, colour and control border colour of the first skinned frame
// among a window's direct children (DeepBlue, clBtnFace and black without one).
TvekUIStyle GetVEKFormStyle(QWidget *form);
TColor GetVEKFormColor(QWidget *form);
TColor GetBorderColor(QWidget *form);

// A skinned sub-container (image panel, group box, tab control, tab sheet):
// restyles itself and passes the style on to its own children.
class TvekStyleContainer
{
public:
    virtual ~TvekStyleContainer() = default;
    virtual void UpdateUIStyle(TvekUIStyle style) = 0;
};

// Pushes a style to the skinned controls placed directly on a container.
void ContainerApplyUIStyle(QWidget *container, TvekUIStyle style);
// Asks the skinned sub-containers placed directly on a container to restyle.
void SubContainerApplyUIStyle(QWidget *container, TvekUIStyle style);

Q_DECLARE_METATYPE(TvekUIStyle)
