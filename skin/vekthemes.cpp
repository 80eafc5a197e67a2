#include "vekthemes.h"

#include "bitmapresource.h"

#include <QWidget>

#include <array>

// The theme table: one row of 91 numbered elements per built-in style, and
// one list of kinds shared by all styles. Numbers, colours and flags are
// stored as values; a name element stores its own number, and its bitmap
// name comes from GetThemeString.

namespace {

constexpr int styleCount = 5; // MacOS .. BlueGlass

struct TNumericElement
{
    TvekThemeElement element;
    TvekType kind;
    std::array<std::int32_t, styleCount> values; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

using enum TvekType;
using enum TvekThemeElement;

// Colours are 0x00BBGGRR.
constexpr TNumericElement numericElements[] = {
    {StyleNumber, Int, {1, 2, 3, 4, 5}},
    {FormBorderColor, Color, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}},
    {FormColor, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {FormBorderWidth, Int, {1, 3, 1, 1, 1}},
    {UnreadInt5, Int, {21, 27, 30, 21, 31}},
    {WindowMinWidth, Int, {130, 150, 130, 130, 270}},
    {WindowRoundCorner, Int, {0, 13, 0, 0, 11}},
    {ControlBorderColor, Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}},
    {ControlColor, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {CaptionFontColor, Color, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}},
    {MenuHotBorderColor, Color, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {MenuHotColor, Color, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {MenuHotFontColor, Color, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {UnreadColor14, Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}},
    {MenuColor, Color, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}},
    {MenuFontColor, Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}},
    {MenuBarColor, Color, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}},
    {MenuSeparatorColor, Color, {0x000000, 0x848284, 0x848284, 0x848284, 0x848284}},
    {UnreadColor19, Color, {0x000000, 0x9CA6AD, 0x9CA6AD, 0x9CA6AD, 0x9CA6AD}},
    {MenuItemHeight, Int, {20, 21, 21, 21, 21}},
    {MenuSeparatorHeight, Int, {12, 5, 5, 5, 5}},
    {MenuBarWidth, Int, {26, 26, 26, 26, 26}},
    {TitleButtonsTransparent, Bool, {0, 0, 0, 1, 1}},
    {TitleLeftButtonOffset, Int, {3, 2, 0, 0, 4}},
    {TitleRightButtonOffset, Int, {-2, -2, 0, 0, -3}},
    {TitleButtonTop, Int, {4, 5, 2, 2, 6}},
    {TabRowHeight, Int, {34, 19, 22, 22, 22}},
    {ComboButtonColor, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE9D6D5}},
    {TrackBarColor, Color, {0xEEEEEE, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {ToolButtonBorderColor, Color, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}},
    {ToolButtonColor, Color, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}},
    {ToolButtonDownColor, Color, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}},
    {ToolBarColor, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {ScrollBarColor, Color, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}},
};

// A bitmap name element: the part after "STYLE_", with the WinXP variant
// where that style deviates. A null prefix flag marks a name without the
// style prefix.
struct TNameElement
{
    TvekThemeElement element;
    const char *name;
    const char *winXPName; // null: the same as name
    bool prefixed = true;
};

constexpr TNameElement nameElements[] = {
    {MenuCheckedPic, "MENU_CHECKED", nullptr, false},
    {ButtonNormalPic, "BUTTON_NORMAL", nullptr},
    {ButtonMouseOnPic, "BUTTON_MOUSEON", nullptr},
    {ButtonMouseDownPic, "BUTTON_MOUSEDOWN", nullptr},
    {CheckBoxDisabledCheckedPic, "CHECKBOX_DISABLE_CHECK", nullptr},
    {CheckBoxDisabledUncheckedPic, "CHECKBOX_DISABLE_UNCHECK", nullptr},
    {CheckBoxCheckedPic, "CHECKBOX_CHECK", "CHECKBOX_NORMAL_CHECK"},
    {CheckBoxUncheckedPic, "CHECKBOX_UNCHECK", "CHECKBOX_NORMAL_UNCHECK"},
    {CheckBoxMouseOnCheckedPic, "CHECKBOX_CHECK", "CHECKBOX_MOUSEON_CHECK"},
    {CheckBoxMouseOnUncheckedPic, "CHECKBOX_UNCHECK", "CHECKBOX_MOUSEON_UNCHECK"},
    {CheckBoxMouseDownCheckedPic, "CHECKBOX_CHECK", "CHECKBOX_MOUSEDOWN_CHECK"},
    {CheckBoxMouseDownUncheckedPic, "CHECKBOX_UNCHECK", "CHECKBOX_MOUSEDOWN_UNCHECK"},
    {RadioDisabledCheckedPic, "RADIOBUTTON_DISABLE_CHECK", nullptr},
    {RadioDisabledUncheckedPic, "RADIOBUTTON_DISABLE_UNCHECK", nullptr},
    {RadioCheckedPic, "RADIOBUTTON_CHECK", "RADIOBUTTON_NORMAL_CHECK"},
    {RadioUncheckedPic, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_NORMAL_UNCHECK"},
    {RadioMouseOnCheckedPic, "RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEON_CHECK"},
    {RadioMouseOnUncheckedPic, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEON_UNCHECK"},
    {RadioMouseDownCheckedPic, "RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEDOWN_CHECK"},
    {RadioMouseDownUncheckedPic, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEDOWN_UNCHECK"},
    {ProgressBarPic, "PROGRESSBAR", nullptr},
    {ProgressBarVerticalPic, "PROGRESSBAR_V", nullptr},
    {TitleLeftPic, "TITLE_LEFT", nullptr},
    {TitleClientPic, "TITLE_CLIENT", nullptr},
    {TitleRightPic, "TITLE_RIGHT", nullptr},
    {TitleCloseNormalPic, "TITLEBTN_CLOSE_NORMAL", nullptr},
    {TitleCloseMouseOnPic, "TITLEBTN_CLOSE_MOUSEON", nullptr},
    {TitleCloseMouseDownPic, "TITLEBTN_CLOSE_MOUSEDOWN", nullptr},
    {TitleMaxNormalPic, "TITLEBTN_MAX_NORMAL", nullptr},
    {TitleMaxMouseOnPic, "TITLEBTN_MAX_MOUSEON", nullptr},
    {TitleMaxMouseDownPic, "TITLEBTN_MAX_MOUSEDOWN", nullptr},
    {TitleMinNormalPic, "TITLEBTN_MIN_NORMAL", nullptr},
    {TitleMinMouseOnPic, "TITLEBTN_MIN_MOUSEON", nullptr},
    {TitleMinMouseDownPic, "TITLEBTN_MIN_MOUSEDOWN", nullptr},
    {TitleHelpNormalPic, "TITLEBTN_HELP_NORMAL", nullptr},
    {TitleHelpMouseOnPic, "TITLEBTN_HELP_MOUSEON", nullptr},
    {TitleHelpMouseDownPic, "TITLEBTN_HELP_MOUSEDOWN", nullptr},
    {TitleControlBoxNormalPic, "TITLEBTN_CTLBOX_NORMAL", nullptr},
    {TitleControlBoxMouseOnPic, "TITLEBTN_CTLBOX_MOUSEON", nullptr},
    {TitleControlBoxMouseDownPic, "TITLEBTN_CTLBOX_MOUSEDOWN", nullptr},
    {TitleRestoreNormalPic, "TITLEBTN_MAX_NORMAL", "TITLEBTN_RST_NORMAL"},
    {TitleRestoreMouseOnPic, "TITLEBTN_MAX_MOUSEON", "TITLEBTN_RST_MOUSEON"},
    {TitleRestoreMouseDownPic, "TITLEBTN_MAX_MOUSEDOWN", "TITLEBTN_RST_MOUSEDOWN"},
    {TabActivePic, "TAB_ACTIVE", nullptr},
    {TabInactivePic, "TAB_INACTIVE", nullptr},
    {TabLinePic, "TAB_LINE", nullptr},
    {TrackBarBarPic, "TRACKBAR_BAR", nullptr},
    {TrackBarSliderPic, "TRACKBAR_SLIDER", nullptr},
    {TrackBarVerticalBarPic, "TRACKBAR_BAR", nullptr},
    {TrackBarVerticalSliderPic, "TRACKBAR_SLIDER_V", nullptr},
    {ScrollTopButtonNormalPic, "SCROLLBAR_TOPBUTTON_NORMAL", nullptr},
    {ScrollTopButtonMouseOnPic, "SCROLLBAR_TOPBUTTON_MOUSEON", nullptr},
    {ScrollTopButtonMouseDownPic, "SCROLLBAR_TOPBUTTON_MOUSEDOWN", nullptr},
    {ScrollBottomButtonNormalPic, "SCROLLBAR_BTMBUTTON_NORMAL", nullptr},
    {ScrollBottomButtonMouseOnPic, "SCROLLBAR_BTMBUTTON_MOUSEON", nullptr},
    {ScrollBottomButtonMouseDownPic, "SCROLLBAR_BTMBUTTON_MOUSEDOWN", nullptr},
    {ScrollTrackPic, "SCROLLBAR_TRACK", nullptr},
};

constexpr const char *stylePrefix[styleCount] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN",
                                                 "BLUEGLASS"};

struct TElement
{
    TvekType kind = Int;
    std::array<std::int32_t, styleCount> values{};
    const TNameElement *name = nullptr;
    bool defined = false;
};

// The two lists merged into one row per element number, built at compile time.
constexpr std::array<TElement, vekThemeElementCount + 1> BuildTable()
{
    std::array<TElement, vekThemeElementCount + 1> table{};
    for (const TNumericElement &e : numericElements)
        table[int(e.element)] = {e.kind, e.values, nullptr, true};
    for (const TNameElement &e : nameElements) {
        std::array<std::int32_t, styleCount> ids{};
        ids.fill(int(e.element));
        table[int(e.element)] = {Str, ids, &e, true};
    }
    return table;
}

constexpr auto themeTable = BuildTable();

constexpr bool EveryElementDefined()
{
    for (int n = 1; n <= vekThemeElementCount; ++n)
        if (!themeTable[n].defined)
            return false;
    return true;
}
static_assert(EveryElementDefined(), "every theme element from 1 to 91 has a kind and values");

bool IsBuiltIn(TvekUIStyle style)
{
    return style >= TvekUIStyle::MacOS && style <= TvekUIStyle::BlueGlass;
}

const TElement *Element(TvekUIStyle style, int n)
{
    if (!IsBuiltIn(style) || n < 1 || n > vekThemeElementCount)
        return nullptr;
    return &themeTable[n];
}

int StyleIndex(TvekUIStyle style)
{
    return int(style) - int(TvekUIStyle::MacOS);
}

} // namespace

// A name element yields its own number: the name itself is GetThemeString's.
std::int32_t GetThemeElement(TvekUIStyle style, int n, TvekType &kind)
{
    const TElement *e = Element(style, n);
    if (!e) {
        kind = Int;
        return -1;
    }
    kind = e->kind;
    return e->values[StyleIndex(style)];
}

std::int32_t GetThemeElement(TvekUIStyle style, TvekThemeElement element, TvekType &kind)
{
    return GetThemeElement(style, int(element), kind);
}

TvekThemeElement StatePicture(TvekThemeElement normal, TvekPictureState state)
{
    return TvekThemeElement(int(normal) + int(state));
}

// The check-box rows run disabled, normal, mouse-on, mouse-down, each checked
// then unchecked; the radio-button rows follow in the same order.
TvekThemeElement CheckPicture(bool radio, bool checked, bool enabled, TvekPictureState state)
{
    using enum TvekThemeElement;
    TvekThemeElement first = CheckBoxMouseDownCheckedPic;
    if (state == TvekPictureState::Normal)
        first = enabled ? CheckBoxCheckedPic : CheckBoxDisabledCheckedPic;
    else if (state == TvekPictureState::MouseOn)
        first = CheckBoxMouseOnCheckedPic;
    const int radioOffset = int(RadioDisabledCheckedPic) - int(CheckBoxDisabledCheckedPic);
    return TvekThemeElement(int(first) + (checked ? 0 : 1) + (radio ? radioOffset : 0));
}

int GetThemeInt(TvekUIStyle style, TvekThemeElement element)
{
    TvekType kind;
    const std::int32_t value = GetThemeElement(style, element, kind);
    return kind == Int ? value : -1;
}

TColor GetThemeColor(TvekUIStyle style, TvekThemeElement element)
{
    TvekType kind;
    const std::int32_t value = GetThemeElement(style, element, kind);
    return kind == Color ? value : clBlack;
}

bool GetThemeBool(TvekUIStyle style, TvekThemeElement element)
{
    TvekType kind;
    const std::int32_t value = GetThemeElement(style, element, kind);
    return kind == Bool && value != 0;
}

QString GetThemeString(TvekUIStyle style, TvekThemeElement element)
{
    const TElement *e = Element(style, int(element));
    if (!e || e->kind != Str)
        return QString();
    const TNameElement &name = *e->name;
    const char *suffix = style == TvekUIStyle::WinXP && name.winXPName ? name.winXPName : name.name;
    if (!name.prefixed)
        return QString::fromLatin1(suffix);
    return QString::fromLatin1(stylePrefix[StyleIndex(style)]) + QLatin1Char('_') +
           QString::fromLatin1(suffix);
}

QImage LoadThemeBitmap(TvekUIStyle style, TvekThemeElement element)
{
    return LoadBitmapResource(GetThemeString(style, element));
}

// ---------------------------------------------------------------------------
// A window's skinned frame and pushing a style to the controls on a container.
// The components are reached through the style interfaces, so this unit
// needs none of their headers.

namespace {

const TvekStyledFrame *FirstSkinnedFrame(QWidget *form)
{
    if (!form)
        return nullptr;
    for (QObject *child : form->children())
        if (child->isWidgetType())
            if (auto *frame = dynamic_cast<const TvekStyledFrame *>(child))
                return frame;
    return nullptr;
}

} // namespace

TvekUIStyle GetVEKFormStyle(QWidget *form)
{
    const TvekStyledFrame *frame = FirstSkinnedFrame(form);
    return frame ? frame->UIStyle() : TvekUIStyle::DeepBlue;
}

TColor GetVEKFormColor(QWidget *form)
{
    const TvekStyledFrame *frame = FirstSkinnedFrame(form);
    return frame ? frame->Color() : clBtnFace;
}

TColor GetBorderColor(QWidget *form)
{
    const TvekStyledFrame *frame = FirstSkinnedFrame(form);
    return frame ? GetThemeColor(frame->UIStyle(), TvekThemeElement::ControlBorderColor) : clBlack;
}

QWidget *OwnerWindow(QWidget *owner)
{
    return owner ? owner->window() : nullptr;
}

void ContainerApplyUIStyle(QWidget *container, TvekUIStyle style)
{
    if (!container)
        return;
    for (QObject *child : container->children())
        if (child->isWidgetType())
            if (auto *control = dynamic_cast<TvekStyled *>(child))
                control->ApplyContainerStyle(style);
}

void SubContainerApplyUIStyle(QWidget *container, TvekUIStyle style)
{
    if (!container)
        return;
    for (QObject *child : container->children())
        if (auto *sub = dynamic_cast<TvekStyleContainer *>(child))
            sub->UpdateUIStyle(style);
}
