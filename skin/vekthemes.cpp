#include "vekthemes.h"

#include "bitmapresource.h"

#include <QMetaProperty>
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
    int n;
    TvekType kind;
    std::array<std::int32_t, styleCount> values; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

using enum TvekType;

// Colours are 0x00BBGGRR.
constexpr TNumericElement numericElements[] = {
    {1, Int, {1, 2, 3, 4, 5}},
    {2, Color, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}},
    {3, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {4, Int, {1, 3, 1, 1, 1}},
    {5, Int, {21, 27, 30, 21, 31}},
    {6, Int, {130, 150, 130, 130, 270}},
    {7, Int, {0, 13, 0, 0, 11}},
    {8, Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}},
    {9, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {10, Color, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}},
    {11, Color, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {12, Color, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {13, Color, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {14, Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}},
    {15, Color, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}},
    {16, Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}},
    {17, Color, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}},
    {18, Color, {0x000000, 0x848284, 0x848284, 0x848284, 0x848284}},
    {19, Color, {0x000000, 0x9CA6AD, 0x9CA6AD, 0x9CA6AD, 0x9CA6AD}},
    {20, Int, {20, 21, 21, 21, 21}},
    {21, Int, {12, 5, 5, 5, 5}},
    {22, Int, {26, 26, 26, 26, 26}},
    {66, Bool, {0, 0, 0, 1, 1}},
    {67, Int, {3, 2, 0, 0, 4}},
    {68, Int, {-2, -2, 0, 0, -3}},
    {69, Int, {4, 5, 2, 2, 6}},
    {73, Int, {34, 19, 22, 22, 22}},
    {74, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE9D6D5}},
    {79, Color, {0xEEEEEE, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {80, Color, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}},
    {81, Color, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}},
    {82, Color, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}},
    {83, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {84, Color, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}},
};

// A bitmap name element: the part after "STYLE_", with the WinXP variant
// where that style deviates. A null prefix flag marks a name without the
// style prefix.
struct TNameElement
{
    int n;
    const char *name;
    const char *winXPName; // null: the same as name
    bool prefixed = true;
};

constexpr TNameElement nameElements[] = {
    {23, "MENU_CHECKED", nullptr, false},
    {24, "BUTTON_NORMAL", nullptr},
    {25, "BUTTON_MOUSEON", nullptr},
    {26, "BUTTON_MOUSEDOWN", nullptr},
    {27, "CHECKBOX_DISABLE_CHECK", nullptr},
    {28, "CHECKBOX_DISABLE_UNCHECK", nullptr},
    {29, "CHECKBOX_CHECK", "CHECKBOX_NORMAL_CHECK"},
    {30, "CHECKBOX_UNCHECK", "CHECKBOX_NORMAL_UNCHECK"},
    {31, "CHECKBOX_CHECK", "CHECKBOX_MOUSEON_CHECK"},
    {32, "CHECKBOX_UNCHECK", "CHECKBOX_MOUSEON_UNCHECK"},
    {33, "CHECKBOX_CHECK", "CHECKBOX_MOUSEDOWN_CHECK"},
    {34, "CHECKBOX_UNCHECK", "CHECKBOX_MOUSEDOWN_UNCHECK"},
    {35, "RADIOBUTTON_DISABLE_CHECK", nullptr},
    {36, "RADIOBUTTON_DISABLE_UNCHECK", nullptr},
    {37, "RADIOBUTTON_CHECK", "RADIOBUTTON_NORMAL_CHECK"},
    {38, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_NORMAL_UNCHECK"},
    {39, "RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEON_CHECK"},
    {40, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEON_UNCHECK"},
    {41, "RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEDOWN_CHECK"},
    {42, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEDOWN_UNCHECK"},
    {43, "PROGRESSBAR", nullptr},
    {44, "PROGRESSBAR_V", nullptr},
    {45, "TITLE_LEFT", nullptr},
    {46, "TITLE_CLIENT", nullptr},
    {47, "TITLE_RIGHT", nullptr},
    {48, "TITLEBTN_CLOSE_NORMAL", nullptr},
    {49, "TITLEBTN_CLOSE_MOUSEON", nullptr},
    {50, "TITLEBTN_CLOSE_MOUSEDOWN", nullptr},
    {51, "TITLEBTN_MAX_NORMAL", nullptr},
    {52, "TITLEBTN_MAX_MOUSEON", nullptr},
    {53, "TITLEBTN_MAX_MOUSEDOWN", nullptr},
    {54, "TITLEBTN_MIN_NORMAL", nullptr},
    {55, "TITLEBTN_MIN_MOUSEON", nullptr},
    {56, "TITLEBTN_MIN_MOUSEDOWN", nullptr},
    {57, "TITLEBTN_HELP_NORMAL", nullptr},
    {58, "TITLEBTN_HELP_MOUSEON", nullptr},
    {59, "TITLEBTN_HELP_MOUSEDOWN", nullptr},
    {60, "TITLEBTN_CTLBOX_NORMAL", nullptr},
    {61, "TITLEBTN_CTLBOX_MOUSEON", nullptr},
    {62, "TITLEBTN_CTLBOX_MOUSEDOWN", nullptr},
    {63, "TITLEBTN_MAX_NORMAL", "TITLEBTN_RST_NORMAL"},
    {64, "TITLEBTN_MAX_MOUSEON", "TITLEBTN_RST_MOUSEON"},
    {65, "TITLEBTN_MAX_MOUSEDOWN", "TITLEBTN_RST_MOUSEDOWN"},
    {70, "TAB_ACTIVE", nullptr},
    {71, "TAB_INACTIVE", nullptr},
    {72, "TAB_LINE", nullptr},
    {75, "TRACKBAR_BAR", nullptr},
    {76, "TRACKBAR_SLIDER", nullptr},
    {77, "TRACKBAR_BAR", nullptr},
    {78, "TRACKBAR_SLIDER_V", nullptr},
    {85, "SCROLLBAR_TOPBUTTON_NORMAL", nullptr},
    {86, "SCROLLBAR_TOPBUTTON_MOUSEON", nullptr},
    {87, "SCROLLBAR_TOPBUTTON_MOUSEDOWN", nullptr},
    {88, "SCROLLBAR_BTMBUTTON_NORMAL", nullptr},
    {89, "SCROLLBAR_BTMBUTTON_MOUSEON", nullptr},
    {90, "SCROLLBAR_BTMBUTTON_MOUSEDOWN", nullptr},
    {91, "SCROLLBAR_TRACK", nullptr},
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
        table[e.n] = {e.kind, e.values, nullptr, true};
    for (const TNameElement &e : nameElements) {
        std::array<std::int32_t, styleCount> ids{};
        ids.fill(e.n);
        table[e.n] = {Str, ids, &e, true};
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

int GetThemeInt(TvekUIStyle style, int n)
{
    TvekType kind;
    const std::int32_t value = GetThemeElement(style, n, kind);
    return kind == Int ? value : -1;
}

TColor GetThemeColor(TvekUIStyle style, int n)
{
    TvekType kind;
    const std::int32_t value = GetThemeElement(style, n, kind);
    return kind == Color ? value : clBlack;
}

bool GetThemeBool(TvekUIStyle style, int n)
{
    TvekType kind;
    const std::int32_t value = GetThemeElement(style, n, kind);
    return kind == Bool && value != 0;
}

QString GetThemeString(TvekUIStyle style, int n)
{
    const TElement *e = Element(style, n);
    if (!e || e->kind != Str)
        return QString();
    const TNameElement &name = *e->name;
    const char *suffix = style == TvekUIStyle::WinXP && name.winXPName ? name.winXPName : name.name;
    if (!name.prefixed)
        return QString::fromLatin1(suffix);
    return QString::fromLatin1(stylePrefix[StyleIndex(style)]) + QLatin1Char('_') +
           QString::fromLatin1(suffix);
}

QImage LoadThemeBitmap(TvekUIStyle style, int n)
{
    return LoadBitmapResource(GetThemeString(style, n));
}

// ---------------------------------------------------------------------------
// A window's skinned frame and pushing a style to the controls on a container.
// The components are reached through their published properties, so this
// unit needs none of their headers.

namespace {

QObject *FirstSkinnedFrame(QWidget *form)
{
    if (!form)
        return nullptr;
    for (QObject *child : form->children())
        if (child->isWidgetType() && child->inherits("TvekForm"))
            return child;
    return nullptr;
}

TvekUIStyle StyleOf(const QObject *component)
{
    const QVariant v = component->property("UIStyle");
    if (v.metaType() == QMetaType::fromType<TvekUIStyle>())
        return v.value<TvekUIStyle>();
    bool ok = false;
    const int value = v.toInt(&ok);
    return ok ? TvekUIStyle(value) : TvekUIStyle::DeepBlue;
}

// Stores a style through the component's published property, whatever
// integral type the property was declared with.
void SetStyleOf(QObject *component, TvekUIStyle style)
{
    const QMetaObject *meta = component->metaObject();
    const int index = meta->indexOfProperty("UIStyle");
    if (index < 0)
        return;
    const QMetaProperty prop = meta->property(index);
    if (prop.metaType() == QMetaType::fromType<TvekUIStyle>())
        prop.write(component, QVariant::fromValue(style));
    else
        prop.write(component, int(style));
}

void SetStyleUnlessCustom(QObject *component, TvekUIStyle style)
{
    if (StyleOf(component) != TvekUIStyle::Custom)
        SetStyleOf(component, style);
}

void SetBorderColor(QObject *component, TvekUIStyle style)
{
    component->setProperty("BorderColor", GetThemeColor(style, 8));
}

// One row per group of component classes: the action applies once to a
// child that is of one of the classes or derives from one. Rows run in order.
struct TApplyRow
{
    std::array<const char *, 4> classNames;
    void (*apply)(QObject *component, TvekUIStyle style);

    bool Matches(const QObject *component) const
    {
        for (const char *name : classNames)
            if (name && component->inherits(name))
                return true;
        return false;
    }
};

constexpr TApplyRow applyRows[] = {
    {{"TvekRadioButton", "TvekCheckBox", "TvekButton"}, SetStyleUnlessCustom},
    {{"TvekListBox"}, SetBorderColor},
    {{"TvekComboBox"}, SetStyleOf},
    {{"TvekTrackBar", "TvekScrollBar"}, SetStyleOf},
};

} // namespace

TvekUIStyle GetVEKFormStyle(QWidget *form)
{
    const QObject *frame = FirstSkinnedFrame(form);
    return frame ? StyleOf(frame) : TvekUIStyle::DeepBlue;
}

TColor GetVEKFormColor(QWidget *form)
{
    const QObject *frame = FirstSkinnedFrame(form);
    if (!frame)
        return clBtnFace;
    bool ok = false;
    const TColor color = frame->property("Color").toInt(&ok);
    return ok ? color : clBtnFace;
}

TColor GetBorderColor(QWidget *form)
{
    const QObject *frame = FirstSkinnedFrame(form);
    return frame ? GetThemeColor(StyleOf(frame), 8) : clBlack;
}

void ContainerApplyUIStyle(QWidget *container, TvekUIStyle style)
{
    if (!container)
        return;
    for (QObject *child : container->children()) {
        if (!child->isWidgetType())
            continue;
        for (const TApplyRow &row : applyRows)
            if (row.Matches(child))
                row.apply(child, style);
    }
}

void SubContainerApplyUIStyle(QWidget *container, TvekUIStyle style)
{
    if (!container)
        return;
    for (QObject *child : container->children())
        if (auto *sub = dynamic_cast<TvekStyleContainer *>(child))
            sub->UpdateUIStyle(style);
}
