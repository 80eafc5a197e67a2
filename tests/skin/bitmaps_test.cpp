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

// The WinXP bar is lit like the rest of the style: a light top edge and a
// bright band over a body that darkens downwards, and a highlight at the
// left end; its buttons run from a light top to a deep bottom.
TEST(StyleLooks, WinXPTitleHasGradientAndHighlight)
{
    const QImage left = LoadBitmapResource("WINXP_TITLE_LEFT");
    const QImage client = LoadBitmapResource("WINXP_TITLE_CLIENT");
    auto green = [](const QImage &image, int x, int y) { return qGreen(image.pixel(x, y)); };
    EXPECT_GT(green(client, 5, 0), green(client, 5, 14) + 60);      // the top edge
    EXPECT_GT(green(client, 5, 3), green(client, 5, 14) + 30);      // the bright band
    EXPECT_GT(green(client, 5, 14), green(client, 5, 27) + 15);     // darker below
    EXPECT_GT(green(left, 4, 6), green(client, 4, 6) + 15);         // the highlight at the left
    EXPECT_EQ(left.pixel(left.width() - 1, 6), client.pixel(0, 6)); // no seam
    for (const char *name : {"WINXP_TITLEBTN_CLOSE_NORMAL", "WINXP_TITLEBTN_MIN_NORMAL",
                             "WINXP_TITLEBTN_MAX_MOUSEON", "WINXP_TITLEBTN_RST_NORMAL"}) {
        const QImage button = LoadBitmapResource(name);
        const int mid = button.width() / 2;
        // Face rows just inside the border, left of the glyph.
        EXPECT_GT(green(button, 3, 3), green(button, 3, button.height() - 4) + 50) << name;
        EXPECT_GT(green(button, 3, 4), green(button, 3, 10)) << name;
        EXPECT_NE(button.pixel(mid, 3), button.pixel(mid, button.height() - 4)) << name;
    }
}

// Protein's title buttons: a disc with two clear columns at the right, so
// the close button keeps off the window's edge, and a rim without light
// fringes on the dark plate.
TEST(StyleLooks, ProteinTitleButtonsHaveMarginAndCleanRim)
{
    for (const char *kind : {"CLOSE", "MAX", "MIN", "HELP"})
        for (const char *state : {"NORMAL", "MOUSEON", "MOUSEDOWN"}) {
            const std::string name = std::string("PROTEIN_TITLEBTN_") + kind + "_" + state;
            const QImage button = LoadBitmapResource(QString::fromStdString(name));
            const int w = button.width(), h = button.height();
            for (int y = 0; y < h; ++y)
                for (int x = w - 2; x < w; ++x)
                    EXPECT_EQ(button.pixel(x, y), kFuchsia) << name << " at " << x << "," << y;
            int rim = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const QRgb p = button.pixel(x, y);
                    if (p == kFuchsia)
                        continue;
                    const bool edge =
                        x == 0 || y == 0 || x == w - 1 || y == h - 1 ||
                        button.pixel(x - 1, y) == kFuchsia || button.pixel(x + 1, y) == kFuchsia ||
                        button.pixel(x, y - 1) == kFuchsia || button.pixel(x, y + 1) == kFuchsia;
                    if (!edge)
                        continue;
                    ++rim;
                    EXPECT_LT(qGray(p), 180) << name << " rim at " << x << "," << y;
                }
            EXPECT_GT(rim, 20) << name;
        }
}

// The message icons are see-through around the drawing.
TEST(StyleLooks, MessageIconsAreClearAroundTheDrawing)
{
    for (const char *name :
         {"MSGDLG_WARNING", "MSGDLG_ERROR", "MSGDLG_INFORMATION", "MSGDLG_QUESTION"}) {
        const QImage icon = LoadBitmapResource(name);
        for (QPoint corner : {QPoint(0, 0), QPoint(41, 0), QPoint(0, 41), QPoint(41, 41)})
            EXPECT_EQ(icon.pixel(corner), kFuchsia)
                << name << " at " << corner.x() << "," << corner.y();
        EXPECT_NE(icon.pixel(21, 21), kFuchsia) << name;
    }
}

} // namespace
