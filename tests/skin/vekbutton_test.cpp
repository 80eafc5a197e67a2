// The push button: its looks by state and style, its published properties,
// its focus mark and the glyph layout.
#include "buttontestsupport.h"

#include "bitmapresource.h"
#include "vekbutton.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST_F(PushButtonTest, StartsAsDesigned)
{
    auto *loose = new TvekButton(form.get());
    EXPECT_EQ(loose->size(), QSize(80, 27));
    EXPECT_EQ(loose->UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_TRUE(loose->TabStop());
    EXPECT_FALSE(loose->Transparent());
    EXPECT_FALSE(loose->AutoSize());
    EXPECT_EQ(loose->Spacing(), 4);
    EXPECT_EQ(loose->Layout(), blGlyphLeft);
    EXPECT_EQ(loose->MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(loose->ResHandle(), 0u);
    EXPECT_EQ(loose->ModalResult(), 0);
    EXPECT_TRUE(loose->Caption().isEmpty());
    EXPECT_TRUE(loose->ParentColor());
    // The picture names of a built-in style read as empty.
    EXPECT_EQ(loose->property("PicNormalResName").toString(), QString());
}

TEST_F(PushButtonTest, PublishesPropertiesInDeclaredOrder)
{
    const QMetaObject *meta = &TvekButton::staticMetaObject;
    QStringList names;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        names << QString::fromLatin1(meta->property(i).name());
    const QStringList expected = {"Caption",
                                  "Cancel",
                                  "Default",
                                  "Font",
                                  "Enabled",
                                  "Visible",
                                  "ParentColor",
                                  "TabStop",
                                  "Transparent",
                                  "ModalResult",
                                  "UIStyle",
                                  "AutoSize",
                                  "Glyph",
                                  "Layout",
                                  "Spacing",
                                  "ResHandle",
                                  "PicNormalResName",
                                  "PicMouseDownResName",
                                  "PicMouseOnResName",
                                  "MouseContinuouslyDownInterval"};
    EXPECT_EQ(names, expected);
}

TEST_F(PushButtonTest, ShowsThePictureOfEachState)
{
    const QRgb normal = PictureMiddle("DEEPBLUE_BUTTON_NORMAL");
    const QRgb on = PictureMiddle("DEEPBLUE_BUTTON_MOUSEON");
    const QRgb down = PictureMiddle("DEEPBLUE_BUTTON_MOUSEDOWN");
    ASSERT_NE(normal, on);
    ASSERT_NE(on, down);
    EXPECT_EQ(Middle(), normal);
    SendEnter(button);
    EXPECT_EQ(Middle(), on);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(Middle(), down);
    // Disabled overrides both flags and shows the normal picture.
    button->SetEnabled(false);
    EXPECT_EQ(Middle(), normal);
}

TEST_F(PushButtonTest, CornersKeepTheirSizeWhenStretched)
{
    const QImage picture = LoadBitmapResource("DEEPBLUE_BUTTON_NORMAL");
    button->SetBounds(20, 20, 120, 40);
    const QImage shot = Grab(button);
    for (const QPoint p : {QPoint(0, 0), QPoint(5, 3), QPoint(36, 9)})
        EXPECT_EQ(PixelAt(shot, p.x(), p.y()), PixelAt(picture, p.x(), p.y()))
            << p.x() << "," << p.y();
    // The bottom-right corner is anchored at the button's corner.
    EXPECT_EQ(PixelAt(shot, 119, 39), PixelAt(picture, 73, 20));
}

TEST_F(PushButtonTest, MacOSForcesHeight23AndBlueGlassIsTransparent)
{
    button->SetUIStyle(TvekUIStyle::MacOS);
    EXPECT_EQ(button->height(), 23);
    EXPECT_FALSE(button->Transparent());
    button->SetHeight(30);
    EXPECT_EQ(button->height(), 23) << "other heights are refused";
    button->SetWidth(120);
    EXPECT_EQ(button->size(), QSize(120, 23));
    button->resize(120, 40);
    EXPECT_EQ(button->height(), 23);

    button->SetUIStyle(TvekUIStyle::BlueGlass);
    EXPECT_TRUE(button->Transparent());
    EXPECT_TRUE(button->PicTransparent());
    button->SetHeight(30);
    EXPECT_EQ(button->height(), 30);
    button->SetUIStyle(TvekUIStyle::WinXP);
    EXPECT_FALSE(button->Transparent());
}

TEST_F(PushButtonTest, NamingAPictureSwitchesToCustom)
{
    button->SetPicNormal("DEEPBLUE_BUTTON_MOUSEON");
    EXPECT_EQ(button->UIStyle(), TvekUIStyle::Custom);
    EXPECT_EQ(button->property("PicNormalResName").toString(), "DEEPBLUE_BUTTON_MOUSEON");
    // Custom keeps the names; a built-in style hides them again.
    button->SetUIStyle(TvekUIStyle::Protein);
    EXPECT_TRUE(button->GetPicNormal().isEmpty());
    EXPECT_TRUE(button->GetPicMouseOn().isEmpty());
    EXPECT_TRUE(button->GetPicMouseDown().isEmpty());
}

TEST_F(PushButtonTest, CustomPictureIsDrawnUnscaledAtTheOrigin)
{
    button->SetPicNormal("DEEPBLUE_BUTTON_MOUSEON");
    button->SetColor(clRed);
    const QImage shot = Grab(button);
    const QImage picture = LoadBitmapResource("DEEPBLUE_BUTTON_MOUSEON");
    EXPECT_EQ(PixelAt(shot, 37, 10), PixelAt(picture, 37, 10));
    EXPECT_EQ(PixelAt(shot, 78, 25), Rgb(255, 0, 0)) << "beyond the 74 x 21 picture: Color";
}

TEST_F(PushButtonTest, FocusMarkIsADottedRectangleOrABlueLine)
{
    button->SetColor(clWhite);
    const QImage plain = Grab(button);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = Grab(button);
    EXPECT_EQ(PixelAt(focused, 2, 2), PixelAt(plain, 2, 2) ^ 0xFFFFFF);
    EXPECT_EQ(PixelAt(focused, 3, 2), PixelAt(plain, 3, 2)) << "dotted";
    EXPECT_EQ(PixelAt(focused, 1, 1), PixelAt(plain, 1, 1));
    EXPECT_EQ(DiffBox(plain, focused), QRect(QPoint(2, 2), QPoint(77, 24)));

    button->SetTabStop(false);
    EXPECT_TRUE(DiffBox(plain, Grab(button)).isEmpty()) << "no mark without TabStop";
    button->SetTabStop(true);

    for (const TvekUIStyle style : {TvekUIStyle::MacOS, TvekUIStyle::BlueGlass}) {
        button->SetUIStyle(style);
        const int h = button->height();
        button->clearFocus();
        const QImage without = Grab(button);
        button->setFocus();
        const QImage with = Grab(button);
        EXPECT_EQ(PixelAt(with, 10, h - 5), Rgb(0, 0, 255));
        EXPECT_EQ(PixelAt(with, 69, h - 5), Rgb(0, 0, 255));
        EXPECT_EQ(DiffBox(without, with).bottom(), h - 5);
        EXPECT_LE(DiffBox(without, with).right(), 69) << "the end point is excluded";
    }
}

// A caption whose extent is fixed, to place the glyph by the worked example.
class FixedTextButton : public TvekButton
{
public:
    using TvekButton::TvekButton;

protected:
    QSize TextExtent(const QString &) const override { return QSize(30, 13); }
};

QImage SolidGlyph(int width, int height, QRgb first, QRgb second)
{
    QImage glyph(width, height, QImage::Format_RGB32);
    glyph.fill(first);
    for (int y = 0; y < height; ++y)
        for (int x = height; x < width; ++x)
            glyph.setPixel(x, y, second);
    glyph.setPixel(0, 0, qRgb(255, 0, 255)); // the mask colour
    return glyph;
}

class GlyphTest : public PushButtonTest
{
protected:
    void SetUp() override
    {
        PushButtonTest::SetUp();
        delete button;
        glyphButton = new FixedTextButton(form.get());
        glyphButton->SetBounds(20, 20, 80, 27);
        glyphButton->SetCaption("Caption");
        glyphButton->show();
    }

    // The green area of the grab.
    QRect GreenBox()
    {
        const QImage shot = Grab(glyphButton);
        QRect box;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (PixelAt(shot, x, y) == Rgb(0, 255, 0))
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    FixedTextButton *glyphButton = nullptr;
};

TEST_F(GlyphTest, GlyphLeftOfTheCaptionFollowsTheWorkedExample)
{
    glyphButton->SetGlyph(SolidGlyph(16, 16, qRgb(0, 255, 0), qRgb(0, 255, 0)));
    EXPECT_EQ(GreenBox(), QRect(15, 5, 16, 16));
    EXPECT_EQ(glyphButton->TextPos(), QPoint(35, 7));
    EXPECT_NE(PixelAt(Grab(glyphButton), 15, 5), Rgb(255, 0, 255))
        << "the top-left colour is left out";
    TvekButtonLook::Show(glyphButton, glyphButton->MouseOn(), true);
    EXPECT_EQ(GreenBox(), QRect(16, 6, 16, 16));
    EXPECT_EQ(glyphButton->TextPos(), QPoint(36, 8)) << "the caption moves as well";
}

struct LayoutCase
{
    TButtonLayout layout;
    QPoint glyph;
    QPoint text;
};

void PrintTo(const LayoutCase &c, std::ostream *os)
{
    static const char *const names[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                        "blGlyphBottom"};
    *os << names[c.layout];
}

class GlyphLayoutTest : public GlyphTest, public ::testing::WithParamInterface<LayoutCase>
{
};

// W 80, H 27, glyph 16 x 16, text 30 x 13, spacing 4.
TEST_P(GlyphLayoutTest, PlacesGlyphAndCaption)
{
    const LayoutCase c = GetParam();
    glyphButton->SetLayout(c.layout);
    glyphButton->SetGlyph(SolidGlyph(16, 16, qRgb(0, 255, 0), qRgb(0, 255, 0)));
    EXPECT_EQ(GreenBox(), QRect(c.glyph, QSize(16, 16)) & QRect(0, 0, 80, 27));
    EXPECT_EQ(glyphButton->TextPos(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Layouts, GlyphLayoutTest,
                         ::testing::Values(LayoutCase{blGlyphLeft, {15, 5}, {35, 7}},
                                           LayoutCase{blGlyphRight, {49, 5}, {15, 7}},
                                           LayoutCase{blGlyphTop, {32, -3}, {25, 17}},
                                           LayoutCase{blGlyphBottom, {32, 14}, {25, -3}}));

TEST_F(GlyphTest, TwoFrameGlyphShowsItsDisabledFrameUnaltered)
{
    glyphButton->SetGlyph(SolidGlyph(32, 16, qRgb(0, 255, 0), qRgb(255, 0, 0)));
    EXPECT_EQ(GreenBox(), QRect(15, 5, 16, 16)) << "one frame 16 wide";
    glyphButton->SetEnabled(false);
    const QImage shot = Grab(glyphButton);
    EXPECT_EQ(PixelAt(shot, 20, 10), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(shot, 30, 20), Rgb(255, 0, 0));
}

TEST_F(GlyphTest, SingleFrameGlyphIsGreyedWhenDisabled)
{
    glyphButton->SetGlyph(SolidGlyph(16, 16, qRgb(0, 255, 0), qRgb(0, 255, 0)));
    glyphButton->SetEnabled(false);
    EXPECT_TRUE(GreenBox().isEmpty());
}

} // namespace
