#include "bitmapresource.h"
#include "vekthemes.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr std::array<TvekUIStyle, 5> builtIn = {TvekUIStyle::MacOS, TvekUIStyle::WinXP,
                                                TvekUIStyle::DeepBlue, TvekUIStyle::Protein,
                                                TvekUIStyle::BlueGlass};

// Colours as red, green, blue: the lookup must give 0x00BBGGRR.
struct Rgb
{
    int r, g, b;
};
TColor Value(Rgb c)
{
    return c.r | (c.g << 8) | (c.b << 16);
}

struct ColorRow
{
    int n;
    std::array<Rgb, 5> values; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

const ColorRow colorRows[] = {
    {2, {{{127, 127, 127}, {0, 44, 200}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {3, {{{231, 231, 231}, {239, 235, 222}, {232, 232, 232}, {251, 251, 251}, {231, 231, 231}}}},
    {8, {{{127, 127, 127}, {104, 104, 104}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {9, {{{231, 231, 231}, {239, 235, 222}, {232, 232, 232}, {251, 251, 251}, {231, 231, 231}}}},
    {10, {{{0, 0, 0}, {2, 70, 207}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {11, {{{57, 115, 196}, {49, 105, 198}, {68, 74, 160}, {45, 48, 196}, {94, 94, 236}}}},
    {12, {{{57, 115, 196}, {198, 211, 239}, {68, 74, 160}, {45, 48, 196}, {94, 94, 236}}}},
    {13, {{{255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}}}},
    {14, {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {15, {{{0, 0, 0}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {231, 231, 231}}}},
    {16, {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {17, {{{0, 0, 0}, {214, 211, 206}, {214, 211, 206}, {214, 211, 206}, {214, 211, 206}}}},
    {18, {{{0, 0, 0}, {132, 130, 132}, {132, 130, 132}, {132, 130, 132}, {132, 130, 132}}}},
    {19, {{{0, 0, 0}, {173, 166, 156}, {173, 166, 156}, {173, 166, 156}, {173, 166, 156}}}},
    {74, {{{231, 231, 231}, {239, 235, 222}, {232, 232, 232}, {251, 251, 251}, {213, 214, 233}}}},
    {79, {{{238, 238, 238}, {239, 235, 222}, {232, 232, 232}, {251, 251, 251}, {231, 231, 231}}}},
    {80, {{{71, 71, 71}, {49, 105, 198}, {71, 71, 71}, {71, 71, 71}, {71, 71, 71}}}},
    {81, {{{239, 239, 239}, {198, 211, 239}, {239, 239, 239}, {239, 239, 239}, {239, 239, 239}}}},
    {82, {{{216, 216, 216}, {147, 172, 225}, {216, 216, 216}, {216, 216, 216}, {216, 216, 216}}}},
    {83, {{{231, 231, 231}, {239, 235, 222}, {232, 232, 232}, {251, 251, 251}, {231, 231, 231}}}},
    {84, {{{201, 201, 201}, {249, 249, 249}, {245, 245, 245}, {245, 245, 245}, {244, 244, 244}}}},
};

struct IntRow
{
    int n;
    std::array<int, 5> values;
};

const IntRow intRows[] = {
    {1, {1, 2, 3, 4, 5}},           {4, {1, 3, 1, 1, 1}},       {5, {21, 27, 30, 21, 31}},
    {6, {130, 150, 130, 130, 270}}, {7, {0, 13, 0, 0, 11}},     {20, {20, 21, 21, 21, 21}},
    {21, {12, 5, 5, 5, 5}},         {22, {26, 26, 26, 26, 26}}, {67, {3, 2, 0, 0, 4}},
    {68, {-2, -2, 0, 0, -3}},       {69, {4, 5, 2, 2, 6}},      {73, {34, 19, 22, 22, 22}},
};

bool IsNumeric(int n)
{
    return (n >= 1 && n <= 22) || (n >= 66 && n <= 69) || n == 73 || n == 74 ||
           (n >= 79 && n <= 84);
}

} // namespace

TEST(ThemeTable, ColourElements)
{
    for (const ColorRow &row : colorRows)
        for (size_t s = 0; s < builtIn.size(); ++s) {
            TvekType kind;
            EXPECT_EQ(GetThemeElement(builtIn[s], row.n, kind), Value(row.values[s]))
                << "style " << int(builtIn[s]) << " element " << row.n;
            EXPECT_EQ(kind, TvekType::Color);
            EXPECT_EQ(GetThemeColor(builtIn[s], TvekThemeElement(row.n)), Value(row.values[s]));
        }
    EXPECT_EQ(GetThemeColor(TvekUIStyle::DeepBlue, TvekThemeElement::FormColor), 0x00E8E8E8);
    EXPECT_EQ(GetThemeColor(TvekUIStyle::DeepBlue, TvekThemeElement::FormColor), 15263976);
    EXPECT_EQ(GetThemeColor(TvekUIStyle::WinXP, TvekThemeElement::FormBorderColor), 0x00C82C00);
}

TEST(ThemeTable, IntegerAndFlagElements)
{
    for (const IntRow &row : intRows)
        for (size_t s = 0; s < builtIn.size(); ++s) {
            TvekType kind;
            EXPECT_EQ(GetThemeElement(builtIn[s], row.n, kind), row.values[s])
                << "style " << int(builtIn[s]) << " element " << row.n;
            EXPECT_EQ(kind, TvekType::Int);
            EXPECT_EQ(GetThemeInt(builtIn[s], TvekThemeElement(row.n)), row.values[s]);
        }
    EXPECT_EQ(GetThemeInt(TvekUIStyle::BlueGlass, TvekThemeElement::TitleRightButtonOffset), -3);

    const std::array<bool, 5> transparentTitleButtons = {false, false, false, true, true};
    for (size_t s = 0; s < builtIn.size(); ++s) {
        TvekType kind;
        GetThemeElement(builtIn[s], 66, kind);
        EXPECT_EQ(kind, TvekType::Bool);
        EXPECT_EQ(GetThemeBool(builtIn[s], TvekThemeElement::TitleButtonsTransparent),
                  transparentTitleButtons[s]);
    }
}

TEST(ThemeTable, EveryOtherElementIsABitmapName)
{
    int names = 0;
    for (TvekUIStyle style : builtIn)
        for (int n = 1; n <= vekThemeElementCount; ++n) {
            TvekType kind;
            GetThemeElement(style, n, kind);
            if (IsNumeric(n)) {
                EXPECT_NE(kind, TvekType::Str) << n;
                EXPECT_TRUE(GetThemeString(style, TvekThemeElement(n)).isEmpty()) << n;
                continue;
            }
            ++names;
            EXPECT_EQ(kind, TvekType::Str) << n;
            EXPECT_FALSE(GetThemeString(style, TvekThemeElement(n)).isEmpty()) << n;
        }
    EXPECT_EQ(names, 5 * 57);
}

TEST(ThemeTable, BitmapNames)
{
    const struct
    {
        TvekUIStyle style;
        int n;
        const char *name;
    } cases[] = {
        {TvekUIStyle::DeepBlue, 23, "MENU_CHECKED"},
        {TvekUIStyle::WinXP, 23, "MENU_CHECKED"},
        {TvekUIStyle::DeepBlue, 24, "DEEPBLUE_BUTTON_NORMAL"},
        {TvekUIStyle::MacOS, 26, "MACOS_BUTTON_MOUSEDOWN"},
        {TvekUIStyle::Protein, 27, "PROTEIN_CHECKBOX_DISABLE_CHECK"},
        {TvekUIStyle::WinXP, 28, "WINXP_CHECKBOX_DISABLE_UNCHECK"},
        {TvekUIStyle::WinXP, 29, "WINXP_CHECKBOX_NORMAL_CHECK"},
        {TvekUIStyle::WinXP, 30, "WINXP_CHECKBOX_NORMAL_UNCHECK"},
        {TvekUIStyle::WinXP, 31, "WINXP_CHECKBOX_MOUSEON_CHECK"},
        {TvekUIStyle::WinXP, 34, "WINXP_CHECKBOX_MOUSEDOWN_UNCHECK"},
        {TvekUIStyle::DeepBlue, 29, "DEEPBLUE_CHECKBOX_CHECK"},
        {TvekUIStyle::DeepBlue, 31, "DEEPBLUE_CHECKBOX_CHECK"},
        {TvekUIStyle::DeepBlue, 34, "DEEPBLUE_CHECKBOX_UNCHECK"},
        {TvekUIStyle::BlueGlass, 35, "BLUEGLASS_RADIOBUTTON_DISABLE_CHECK"},
        {TvekUIStyle::WinXP, 39, "WINXP_RADIOBUTTON_MOUSEON_CHECK"},
        {TvekUIStyle::WinXP, 42, "WINXP_RADIOBUTTON_MOUSEDOWN_UNCHECK"},
        {TvekUIStyle::Protein, 40, "PROTEIN_RADIOBUTTON_UNCHECK"},
        {TvekUIStyle::MacOS, 44, "MACOS_PROGRESSBAR_V"},
        {TvekUIStyle::DeepBlue, 45, "DEEPBLUE_TITLE_LEFT"},
        {TvekUIStyle::DeepBlue, 47, "DEEPBLUE_TITLE_RIGHT"},
        {TvekUIStyle::DeepBlue, 49, "DEEPBLUE_TITLEBTN_CLOSE_MOUSEON"},
        {TvekUIStyle::WinXP, 49, "WINXP_TITLEBTN_CLOSE_MOUSEON"},
        {TvekUIStyle::DeepBlue, 62, "DEEPBLUE_TITLEBTN_CTLBOX_MOUSEDOWN"},
        {TvekUIStyle::DeepBlue, 63, "DEEPBLUE_TITLEBTN_MAX_NORMAL"},
        {TvekUIStyle::WinXP, 63, "WINXP_TITLEBTN_RST_NORMAL"},
        {TvekUIStyle::WinXP, 65, "WINXP_TITLEBTN_RST_MOUSEDOWN"},
        {TvekUIStyle::WinXP, 51, "WINXP_TITLEBTN_MAX_NORMAL"},
        {TvekUIStyle::Protein, 72, "PROTEIN_TAB_LINE"},
        {TvekUIStyle::DeepBlue, 77, "DEEPBLUE_TRACKBAR_BAR"},
        {TvekUIStyle::DeepBlue, 78, "DEEPBLUE_TRACKBAR_SLIDER_V"},
        {TvekUIStyle::BlueGlass, 87, "BLUEGLASS_SCROLLBAR_TOPBUTTON_MOUSEDOWN"},
        {TvekUIStyle::DeepBlue, 88, "DEEPBLUE_SCROLLBAR_BTMBUTTON_NORMAL"},
        {TvekUIStyle::DeepBlue, 91, "DEEPBLUE_SCROLLBAR_TRACK"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetThemeString(c.style, TvekThemeElement(c.n)), QString::fromLatin1(c.name));
}

TEST(ThemeTable, CustomAndUnknownStylesHaveNoElements)
{
    for (TvekUIStyle style : {TvekUIStyle::Custom, TvekUIStyle(6), TvekUIStyle(255)})
        for (int n = 1; n <= vekThemeElementCount; ++n) {
            TvekType kind = TvekType::Str;
            EXPECT_EQ(GetThemeElement(style, n, kind), -1);
            EXPECT_EQ(kind, TvekType::Int);
            EXPECT_EQ(GetThemeInt(style, TvekThemeElement(n)), -1);
            EXPECT_EQ(GetThemeColor(style, TvekThemeElement(n)), clBlack);
            EXPECT_FALSE(GetThemeBool(style, TvekThemeElement(n)));
            EXPECT_TRUE(GetThemeString(style, TvekThemeElement(n)).isEmpty());
        }
}

TEST(ThemeTable, WrongKindGivesThatKindsDefault)
{
    const TvekUIStyle s = TvekUIStyle::DeepBlue;
    EXPECT_EQ(GetThemeInt(s, TvekThemeElement::FormColor), -1);                      // a colour
    EXPECT_EQ(GetThemeInt(s, TvekThemeElement::ButtonNormalPic), -1);                // a name
    EXPECT_EQ(GetThemeColor(s, TvekThemeElement::FormBorderWidth), clBlack);         // an integer
    EXPECT_EQ(GetThemeColor(s, TvekThemeElement::TitleButtonsTransparent), clBlack); // a flag
    EXPECT_FALSE(GetThemeBool(s, TvekThemeElement::StyleNumber));      // the integer 3
    EXPECT_FALSE(GetThemeBool(s, TvekThemeElement::MenuHotFontColor)); // white
    EXPECT_TRUE(GetThemeString(s, TvekThemeElement::FormColor).isEmpty());
    EXPECT_TRUE(GetThemeBool(TvekUIStyle::Protein, TvekThemeElement::TitleButtonsTransparent));
}

TEST(ThemeTable, NumbersOutsideTheTableHaveNoElement)
{
    for (int n : {0, -1, 92, 1000}) {
        TvekType kind = TvekType::Color;
        EXPECT_EQ(GetThemeElement(TvekUIStyle::DeepBlue, n, kind), -1);
        EXPECT_EQ(kind, TvekType::Int);
        EXPECT_TRUE(GetThemeString(TvekUIStyle::DeepBlue, TvekThemeElement(n)).isEmpty());
    }
}

TEST(ThemeTable, EveryNameIsABuiltInBitmap)
{
    if (!HasBitmapResource(QStringLiteral("DEEPBLUE_BUTTON_NORMAL")))
        GTEST_SKIP() << "style bitmaps not built in";
    for (TvekUIStyle style : builtIn)
        for (int n = 1; n <= vekThemeElementCount; ++n) {
            const QString name = GetThemeString(style, TvekThemeElement(n));
            if (!name.isEmpty()) {
                EXPECT_TRUE(HasBitmapResource(name)) << name.toStdString();
            }
        }
}

TEST(ThemeTable, PictureSizesFixTheLook)
{
    if (!HasBitmapResource(QStringLiteral("DEEPBLUE_BUTTON_NORMAL")))
        GTEST_SKIP() << "style bitmaps not built in";
    const std::array<QSize, 5> button = {QSize(84, 23), QSize(18, 21), QSize(74, 21), QSize(74, 21),
                                         QSize(77, 27)};
    const std::array<int, 5> titleHeight = {23, 29, 32, 23, 33};
    for (size_t s = 0; s < builtIn.size(); ++s) {
        for (int n : {24, 25, 26})
            EXPECT_EQ(LoadThemeBitmap(builtIn[s], TvekThemeElement(n)).size(), button[s])
                << int(builtIn[s]);
        EXPECT_EQ(LoadThemeBitmap(builtIn[s], TvekThemeElement::TitleLeftPic).height(),
                  titleHeight[s])
            << int(builtIn[s]);
    }
}

TEST(ThemeTable, NamedElementsKeepTheirNumbers)
{
    using enum TvekThemeElement;
    EXPECT_EQ(int(StyleNumber), 1);
    EXPECT_EQ(int(ControlBorderColor), 8);
    EXPECT_EQ(int(ButtonNormalPic), 24);
    EXPECT_EQ(int(TitleRestoreNormalPic), 63);
    EXPECT_EQ(int(ScrollTrackPic), vekThemeElementCount);
}

TEST(ThemeTable, StatePictureFamiliesRunNormalMouseOnMouseDown)
{
    using enum TvekThemeElement;
    using enum TvekPictureState;
    EXPECT_EQ(StatePicture(ButtonNormalPic, MouseOn), ButtonMouseOnPic);
    EXPECT_EQ(StatePicture(TitleCloseNormalPic, MouseDown), TitleCloseMouseDownPic);
    EXPECT_EQ(StatePicture(ScrollBottomButtonNormalPic, Normal), ScrollBottomButtonNormalPic);

    struct Case
    {
        bool radio, checked, enabled;
        TvekPictureState state;
        TvekThemeElement picture;
    };
    const Case cases[] = {
        {false, true, true, Normal, CheckBoxCheckedPic},
        {false, false, true, Normal, CheckBoxUncheckedPic},
        {false, true, false, Normal, CheckBoxDisabledCheckedPic},
        {false, false, false, Normal, CheckBoxDisabledUncheckedPic},
        {false, true, true, MouseOn, CheckBoxMouseOnCheckedPic},
        {false, false, false, MouseOn, CheckBoxMouseOnUncheckedPic},
        {false, true, true, MouseDown, CheckBoxMouseDownCheckedPic},
        {false, false, true, MouseDown, CheckBoxMouseDownUncheckedPic},
        {true, true, true, Normal, RadioCheckedPic},
        {true, false, false, Normal, RadioDisabledUncheckedPic},
        {true, true, true, MouseOn, RadioMouseOnCheckedPic},
        {true, false, true, MouseDown, RadioMouseDownUncheckedPic},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckPicture(c.radio, c.checked, c.enabled, c.state), c.picture)
            << c.radio << c.checked << c.enabled << int(c.state);
}

// Stand-ins for the skinned components: the lookups find them and reach
// them through the style interfaces alone.
namespace {

class FakeFrame : public QWidget, public TvekStyledFrame
{
public:
    using QWidget::QWidget;
    TvekUIStyle UIStyle() const override { return FUIStyle; }
    TColor Color() const override { return FColor; }
    void ApplyContainerStyle(TvekUIStyle) override {}
    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    int FColor = 0x00E8E8E8;
};

// Keeps Custom, as the skinned buttons do.
class FakeButton : public QWidget, public TvekStyled
{
public:
    using QWidget::QWidget;
    void ApplyContainerStyle(TvekUIStyle style) override
    {
        if (FUIStyle != TvekUIStyle::Custom)
            FUIStyle = style;
        ++stylings;
    }
    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    int stylings = 0;
};

class FakeCheckBox : public FakeButton
{
public:
    using FakeButton::FakeButton;
};

class FakeRadioButton : public FakeCheckBox
{
public:
    using FakeCheckBox::FakeCheckBox;
};

class FakeListBox : public QWidget, public TvekStyled
{
public:
    using QWidget::QWidget;
    void ApplyContainerStyle(TvekUIStyle style) override
    {
        FBorderColor = GetThemeColor(style, TvekThemeElement::ControlBorderColor);
    }
    int FBorderColor = 0x123456;
};

class TPanelOfStyles : public QWidget, public TvekStyleContainer
{
public:
    using QWidget::QWidget;
    void UpdateUIStyle(TvekUIStyle style) override
    {
        updatedTo = style;
        ContainerApplyUIStyle(this, style);
    }
    TvekUIStyle updatedTo = TvekUIStyle::Custom;
};

} // namespace

TEST(ThemeTable, SkinnedFrameOfAWindow)
{
    QWidget window;
    new QWidget(&window);
    EXPECT_EQ(GetVEKFormStyle(&window), TvekUIStyle::DeepBlue);
    EXPECT_EQ(GetVEKFormColor(&window), clBtnFace);
    EXPECT_EQ(GetBorderColor(&window), clBlack);

    auto *first = new FakeFrame(&window);
    first->FUIStyle = TvekUIStyle::WinXP;
    first->FColor = 0x00DEEBEF;
    auto *second = new FakeFrame(&window);
    second->FUIStyle = TvekUIStyle::MacOS;
    EXPECT_EQ(GetVEKFormStyle(&window), TvekUIStyle::WinXP);
    EXPECT_EQ(GetVEKFormColor(&window), 0x00DEEBEF);
    EXPECT_EQ(GetBorderColor(&window), 0x00686868);

    // Only direct children count.
    QWidget outer;
    auto *panel = new QWidget(&outer);
    new FakeFrame(panel);
    EXPECT_EQ(GetVEKFormColor(&outer), clBtnFace);
}

TEST(ThemeTable, ContainerApplyUIStyleReachesDirectSkinnedChildren)
{
    QWidget container;
    auto *plain = new FakeButton(&container);
    auto *custom = new FakeButton(&container);
    custom->FUIStyle = TvekUIStyle::Custom;
    auto *list = new FakeListBox(&container);
    auto *panel = new QWidget(&container);
    auto *inner = new FakeButton(panel);

    ContainerApplyUIStyle(&container, TvekUIStyle::WinXP);
    EXPECT_EQ(plain->FUIStyle, TvekUIStyle::WinXP);
    EXPECT_EQ(custom->FUIStyle, TvekUIStyle::Custom);
    EXPECT_EQ(list->FBorderColor, 0x00686868);
    EXPECT_EQ(inner->FUIStyle, TvekUIStyle::DeepBlue);
}

TEST(ThemeTable, ARadioButtonIsRestyledOnceThoughItIsACheckBoxToo)
{
    QWidget container;
    auto *radio = new FakeRadioButton(&container);
    ContainerApplyUIStyle(&container, TvekUIStyle::MacOS);
    EXPECT_EQ(radio->FUIStyle, TvekUIStyle::MacOS);
    EXPECT_EQ(radio->stylings, 1);
}

TEST(ThemeTable, SubContainersPassTheStyleOn)
{
    QWidget container;
    auto *sub = new TPanelOfStyles(&container);
    auto *inner = new FakeButton(sub);
    auto *direct = new FakeButton(&container);

    SubContainerApplyUIStyle(&container, TvekUIStyle::Protein);
    EXPECT_EQ(sub->updatedTo, TvekUIStyle::Protein);
    EXPECT_EQ(inner->FUIStyle, TvekUIStyle::Protein);
    EXPECT_EQ(direct->FUIStyle, TvekUIStyle::DeepBlue);
}
