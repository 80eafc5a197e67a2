#include "bitmapresource.h"
#include "imagescan.h"
#include "vekthemes.h"

#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr QRgb kFuchsia = 0xFFFF00FF;

// The picture sizes that fix each style's look.
struct StyleSizes
{
    TvekUIStyle style;
    const char *name;
    QSize button, checkBox, radio, titleLeft, titleClient, titleRight, titleButton, scrollButton,
        scrollTrack;
};

const StyleSizes kStyles[] = {
    {TvekUIStyle::MacOS,
     "MacOS",
     {84, 23},
     {15, 17},
     {16, 17},
     {48, 23},
     {49, 23},
     {48, 23},
     {17, 17},
     {16, 22},
     {16, 33}},
    {TvekUIStyle::WinXP,
     "WinXP",
     {18, 21},
     {13, 13},
     {13, 13},
     {35, 29},
     {37, 29},
     {35, 29},
     {21, 21},
     {16, 17},
     {16, 21}},
    {TvekUIStyle::DeepBlue,
     "DeepBlue",
     {74, 21},
     {13, 13},
     {13, 13},
     {97, 32},
     {98, 32},
     {97, 32},
     {19, 19},
     {16, 16},
     {16, 21}},
    {TvekUIStyle::Protein,
     "Protein",
     {74, 21},
     {13, 13},
     {13, 13},
     {441, 23},
     {1, 23},
     {1, 23},
     {19, 19},
     {16, 16},
     {16, 21}},
    {TvekUIStyle::BlueGlass,
     "BlueGlass",
     {77, 27},
     {13, 13},
     {13, 13},
     {162, 33},
     {179, 33},
     {101, 33},
     {19, 19},
     {17, 16},
     {16, 21}},
};

// The size element n's picture must have; none for pictures whose size is free.
std::optional<QSize> ExpectedSize(const StyleSizes &s, int n)
{
    if (n >= 24 && n <= 26)
        return s.button;
    if (n >= 27 && n <= 34)
        return s.checkBox;
    if (n >= 35 && n <= 42)
        return s.radio;
    if (n == 45)
        return s.titleLeft;
    if (n == 46)
        return s.titleClient;
    if (n == 47)
        return s.titleRight;
    if (n >= 48 && n <= 65)
        return s.titleButton;
    if (n >= 85 && n <= 90)
        return s.scrollButton;
    if (n == 91)
        return s.scrollTrack;
    return std::nullopt;
}

QString NameOf(TvekUIStyle style, int n)
{
    TvekType kind;
    GetThemeElement(style, n, kind);
    return kind == TvekType::Str ? GetThemeString(style, TvekThemeElement(n)) : QString();
}

class StyleBitmaps : public ::testing::TestWithParam<StyleSizes>
{
};

TEST_P(StyleBitmaps, EveryNamedPictureLoadsAtItsSize)
{
    const StyleSizes &s = GetParam();
    int names = 0;
    for (int n = 1; n <= vekThemeElementCount; ++n) {
        const QString name = NameOf(s.style, n);
        if (name.isEmpty())
            continue;
        ++names;
        SCOPED_TRACE("element " + std::to_string(n) + " " + name.toStdString());
        QImage image;
        ASSERT_NO_THROW(image = LoadBitmapResource(name));
        ASSERT_FALSE(image.isNull());
        if (const auto size = ExpectedSize(s, n)) {
            EXPECT_EQ(image.size(), *size);
        }
    }
    // 57 names in every style's row, element 23 included.
    EXPECT_EQ(names, 57);
}

// Pictures drawn unmasked must not show fuchsia; masked ones must carry it
// where the mask colour is read.
TEST_P(StyleBitmaps, SeeThroughPixelsWhereTheDrawingMasks)
{
    const StyleSizes &s = GetParam();
    const bool buttonMasked = s.style == TvekUIStyle::BlueGlass;
    for (int n = 24; n <= 26; ++n) {
        const QImage button = LoadBitmapResource(NameOf(s.style, n));
        EXPECT_EQ(HasColor(button, kFuchsia), buttonMasked) << NameOf(s.style, n).toStdString();
    }
    for (int n = 27; n <= 34; ++n)
        EXPECT_FALSE(HasColor(LoadBitmapResource(NameOf(s.style, n)), kFuchsia))
            << NameOf(s.style, n).toStdString();
    for (int n = 35; n <= 42; ++n)
        EXPECT_EQ(LoadBitmapResource(NameOf(s.style, n)).pixel(0, 0), kFuchsia)
            << NameOf(s.style, n).toStdString();
    const bool titleButtonsMasked =
        GetThemeBool(s.style, TvekThemeElement::TitleButtonsTransparent);
    for (int n = 48; n <= 65; ++n) {
        const QImage button = LoadBitmapResource(NameOf(s.style, n));
        if (titleButtonsMasked) {
            EXPECT_EQ(button.pixel(0, button.height() - 1), kFuchsia)
                << NameOf(s.style, n).toStdString();
        } else {
            EXPECT_FALSE(HasColor(button, kFuchsia)) << NameOf(s.style, n).toStdString();
        }
    }
    for (int n = 85; n <= 91; ++n)
        EXPECT_FALSE(HasColor(LoadBitmapResource(NameOf(s.style, n)), kFuchsia))
            << NameOf(s.style, n).toStdString();
}

// Stretched pieces must not change along the stretch: every row of the title
// bar's client picture is one colour, and the slider's middle third (cut from
// the track picture) is the same in every row.
TEST_P(StyleBitmaps, StretchedPiecesAreUniformAlongTheStretch)
{
    const StyleSizes &s = GetParam();
    const QImage client = LoadBitmapResource(NameOf(s.style, 46));
    for (int y = 0; y < client.height(); ++y)
        for (int x = 1; x < client.width(); ++x)
            ASSERT_EQ(client.pixel(x, y), client.pixel(0, y)) << "row " << y << " column " << x;
    const QImage track = LoadBitmapResource(NameOf(s.style, 91));
    const int third = track.height() / 3;
    for (int y = third + 1; y < 2 * third; ++y)
        for (int x = 0; x < track.width(); ++x)
            ASSERT_EQ(track.pixel(x, y), track.pixel(x, third)) << "row " << y << " column " << x;
}

INSTANTIATE_TEST_SUITE_P(BuiltInStyles, StyleBitmaps, ::testing::ValuesIn(kStyles),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FixedNameBitmaps, LoadAtTheirSizes)
{
    const struct
    {
        const char *name;
        QSize size;
    } cases[] = {
        {"MACOS_FORM_BACKGROUND", {8, 8}},
        {"PROTEIN_FORM_BACKGROUND", {8, 8}},
        {"MACOS_MENU_BAR", {1, 22}},
        {"MACOS_MENU_SELECT", {1, 21}},
        {"MACOS_COMBOBOX_BUTTON", {16, 17}},
        {"MSGDLG_WARNING", {42, 42}},
        {"MSGDLG_ERROR", {42, 42}},
        {"MSGDLG_INFORMATION", {42, 42}},
        {"MSGDLG_QUESTION", {42, 42}},
        {"MENU_CHECKED", {16, 16}},
        {"MAINICON", {32, 32}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QImage image;
        ASSERT_NO_THROW(image = LoadBitmapResource(c.name));
        EXPECT_EQ(image.size(), c.size);
    }
}

TEST(FixedNameBitmaps, UnknownNameRaisesResourceNotFound)
{
    for (const char *name : {"NO_SUCH_BITMAP", "DEEPBLUE_BUTTON_HOVER"}) {
        try {
            LoadBitmapResource(name);
            ADD_FAILURE() << "no error for '" << name << "'";
        } catch (const EResNotFound &e) {
            EXPECT_EQ(std::string(e.what()), "Resource " + std::string(name) + " not found");
        }
    }
}

} // namespace
