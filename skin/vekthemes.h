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

// The elements of a style's row, by role. The number is the element's
// place in the row (1 to 91); pictures (...Pic) are bitmap names, the rest
// numbers, colours and flags. Elements read by no control keep their place.
enum class TvekThemeElement : int {
    StyleNumber = 1,
    FormBorderColor = 2,
    FormColor = 3,
    FormBorderWidth = 4,
    UnreadInt5 = 5,
    WindowMinWidth = 6,
    WindowRoundCorner = 7,
    ControlBorderColor = 8,
    ControlColor = 9,
    CaptionFontColor = 10,
    MenuHotBorderColor = 11,
    MenuHotColor = 12,
    MenuHotFontColor = 13,
    UnreadColor14 = 14,
    MenuColor = 15,
    MenuFontColor = 16,
    MenuBarColor = 17,
    MenuSeparatorColor = 18,
    UnreadColor19 = 19,
    MenuItemHeight = 20,
    MenuSeparatorHeight = 21,
    MenuBarWidth = 22,
    MenuCheckedPic = 23,
    ButtonNormalPic = 24,
    ButtonMouseOnPic = 25,
    ButtonMouseDownPic = 26,
    CheckBoxDisabledCheckedPic = 27,
    CheckBoxDisabledUncheckedPic = 28,
    CheckBoxCheckedPic = 29,
    CheckBoxUncheckedPic = 30,
    CheckBoxMouseOnCheckedPic = 31,
    CheckBoxMouseOnUncheckedPic = 32,
    CheckBoxMouseDownCheckedPic = 33,
    CheckBoxMouseDownUncheckedPic = 34,
    RadioDisabledCheckedPic = 35,
    RadioDisabledUncheckedPic = 36,
    RadioCheckedPic = 37,
    RadioUncheckedPic = 38,
    RadioMouseOnCheckedPic = 39,
    RadioMouseOnUncheckedPic = 40,
    RadioMouseDownCheckedPic = 41,
    RadioMouseDownUncheckedPic = 42,
    ProgressBarPic = 43,
    ProgressBarVerticalPic = 44,
    TitleLeftPic = 45,
    TitleClientPic = 46,
    TitleRightPic = 47,
    TitleCloseNormalPic = 48,
    TitleCloseMouseOnPic = 49,
    TitleCloseMouseDownPic = 50,
    TitleMaxNormalPic = 51,
    TitleMaxMouseOnPic = 52,
    TitleMaxMouseDownPic = 53,
    TitleMinNormalPic = 54,
    TitleMinMouseOnPic = 55,
    TitleMinMouseDownPic = 56,
    TitleHelpNormalPic = 57,
    TitleHelpMouseOnPic = 58,
    TitleHelpMouseDownPic = 59,
    TitleControlBoxNormalPic = 60,
    TitleControlBoxMouseOnPic = 61,
    TitleControlBoxMouseDownPic = 62,
    TitleRestoreNormalPic = 63,
    TitleRestoreMouseOnPic = 64,
    TitleRestoreMouseDownPic = 65,
    TitleButtonsTransparent = 66,
    TitleLeftButtonOffset = 67,
    TitleRightButtonOffset = 68,
    TitleButtonTop = 69,
    TabActivePic = 70,
    TabInactivePic = 71,
    TabLinePic = 72,
    TabRowHeight = 73,
    ComboButtonColor = 74,
    TrackBarBarPic = 75,
    TrackBarSliderPic = 76,
    TrackBarVerticalBarPic = 77,
    TrackBarVerticalSliderPic = 78,
    TrackBarColor = 79,
    ToolButtonBorderColor = 80,
    ToolButtonColor = 81,
    ToolButtonDownColor = 82,
    ToolBarColor = 83,
    ScrollBarColor = 84,
    ScrollTopButtonNormalPic = 85,
    ScrollTopButtonMouseOnPic = 86,
    ScrollTopButtonMouseDownPic = 87,
    ScrollBottomButtonNormalPic = 88,
    ScrollBottomButtonMouseOnPic = 89,
    ScrollBottomButtonMouseDownPic = 90,
    ScrollTrackPic = 91,
};

// The three looks of a picture that follows the pointer.
enum class TvekPictureState : std::uint8_t { Normal = 0, MouseOn = 1, MouseDown = 2 };

// The picture of a state in a family of three that starts with its normal
// picture (push button, title-bar and scroll-bar buttons).
TvekThemeElement StatePicture(TvekThemeElement normal, TvekPictureState state);

// The state picture of a check box or, with radio set, of a radio button;
// a disabled control shows its disabled picture in the normal state.
TvekThemeElement CheckPicture(bool radio, bool checked, bool enabled, TvekPictureState state);

// The raw lookup: element n of a built-in style and its kind; -1 and Int for
// Custom, an unknown style or a number outside 1 to 91. A name element (Str)
// yields its own number; GetThemeString gives the name.
std::int32_t GetThemeElement(TvekUIStyle style, int n, TvekType &kind);
std::int32_t GetThemeElement(TvekUIStyle style, TvekThemeElement element, TvekType &kind);
// An element of the kind asked for, or that kind's default (-1, black,
// false, empty) for an element of another kind, Custom or an unknown style.
int GetThemeInt(TvekUIStyle style, TvekThemeElement element);
TColor GetThemeColor(TvekUIStyle style, TvekThemeElement element);
bool GetThemeBool(TvekUIStyle style, TvekThemeElement element);
// A bitmap resource name, or empty when the element is not a name.
QString GetThemeString(TvekUIStyle style, TvekThemeElement element);
// Loads the bitmap that an element names (raises EResNotFound for a missing one).
QImage LoadThemeBitmap(TvekUIStyle style, TvekThemeElement element);

// The style, colour and control border colour of the first skinned frame
// (TvekStyledFrame) among a window's direct children (DeepBlue, clBtnFace and
// black without one).
TvekUIStyle GetVEKFormStyle(QWidget *form);
TColor GetVEKFormColor(QWidget *form);
TColor GetBorderColor(QWidget *form);

// The window a control placed on owner belongs to, where its skinned frame
// lies: a control on the frame panel itself starts in the window's style.
QWidget *OwnerWindow(QWidget *owner);

// Every skinned control: takes the style that its container pushes to the
// controls placed directly on it (ContainerApplyUIStyle). A new control joins
// the push by implementing it; one that keeps its own look does nothing.
class TvekStyled
{
public:
    virtual ~TvekStyled() = default;
    virtual void ApplyContainerStyle(TvekUIStyle style) = 0;
};

// A window's skinned frame: its style and panel colour are the window's,
// for GetVEKFormStyle, GetVEKFormColor and GetBorderColor.
class TvekStyledFrame : public TvekStyled
{
public:
    virtual TvekUIStyle UIStyle() const = 0;
    virtual TColor Color() const = 0;
};

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
