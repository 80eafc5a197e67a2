// The push button: its looks by state and style, the mouse and keyboard state
// machine, auto-repeat, modal results and the glyph layout.
#include "tst_vekbutton_support.h"

#include "bitmapresource.h"
#include "vekbutton.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class PushButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = MakeHostForm();
        QTest::mouseMove(form.get(), QPoint(310, 190)); // the pointer away from the button
        button = new TvekButton(form.get());
        button->SetBounds(20, 20, 80, 27);
        button->show();
        button->OnClick = [this](QObject *sender) {
            EXPECT_EQ(sender, button);
            clicks.push_back(form->ModalResult());
        };
        button->OnMouseExit = [this](QObject *) { ++exits; };
        button->OnMouseEnter = [this](QObject *) { ++enters; };
    }

    // The pixel at the middle of the stretched picture comes from (37, 10)
    // of the 74 x 21 DeepBlue pictures.
    QRgb Middle() { return PixelAt(Grab(button), 40, 13); }
    static QRgb PictureMiddle(const char *name)
    {
        return PixelAt(LoadBitmapResource(name), 37, 10);
    }

    std::unique_ptr<TForm> form;
    TvekButton *button = nullptr;
    std::vector<int> clicks; // the form's modal result seen by each OnClick
    int exits = 0;
    int enters = 0;
};

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

TEST_F(PushButtonTest, PressDragOffAndReleaseOutsideGivesNoClick)
{
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](QObject *) { ++ticks; };
    QTest::mouseMove(button, QPoint(40, 13));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    ASSERT_TRUE(button->FMouseDown);
    ASSERT_NE(button->FTimer, nullptr);

    QTest::mouseMove(button, QPoint(150, 13));
    EXPECT_FALSE(button->FMouseDown);
    EXPECT_FALSE(button->FMouseOn);
    EXPECT_EQ(button->FTimer, nullptr) << "leaving stops the repeat";
    EXPECT_EQ(Middle(), PictureMiddle("DEEPBLUE_BUTTON_NORMAL"));
    EXPECT_EQ(exits, 1);

    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 13));
    QApplication::processEvents();
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(exits, 1) << "the late leave after the release is not reported twice";
    AdvanceTimers(button, 500);
    EXPECT_EQ(ticks, 0);
}

TEST_F(PushButtonTest, PressLeaveAndReturnShowsHoverAndStillClicks)
{
    QTest::mouseMove(button, QPoint(40, 13));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    QTest::mouseMove(button, QPoint(-15, 13));
    QTest::mouseMove(button, QPoint(40, 13));
    EXPECT_TRUE(button->FMouseOn);
    EXPECT_FALSE(button->FMouseDown);
    EXPECT_EQ(Middle(), PictureMiddle("DEEPBLUE_BUTTON_MOUSEON"));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(exits, 1);
}

TEST_F(PushButtonTest, ClickRunsWhileStillDrawnPressed)
{
    bool pressedDuringClick = false;
    bool timerDuringClick = false;
    button->OnClick = [&](QObject *) {
        pressedDuringClick = button->FMouseDown;
        timerDuringClick = button->FTimer != nullptr;
    };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_TRUE(pressedDuringClick);
    EXPECT_TRUE(timerDuringClick);
    EXPECT_FALSE(button->FMouseDown);
    EXPECT_EQ(button->FTimer, nullptr);
}

TEST_F(PushButtonTest, ModalLoopInOnClickSeesNoRepeat)
{
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](QObject *) { ++ticks; };
    // Time passes inside OnClick, as in a message box it shows.
    button->OnClick = [&](QObject *) { AdvanceTimers(button, 500); };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(ticks, 0);
}

TEST_F(PushButtonTest, ClickDoesNotTakeTheFocus)
{
    auto *other = new QLineEdit(form.get());
    other->setGeometry(150, 20, 80, 20);
    other->show();
    other->setFocus();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(PushButtonTest, QuickSecondClickIsASecondClick)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(clicks.size(), 2u);
}

struct RepeatCase
{
    int interval;
    int heldMs;
    int expectedTicks;
};

void PrintTo(const RepeatCase &c, std::ostream *os)
{
    *os << "interval " << c.interval << " held " << c.heldMs << " ms";
}

class AutoRepeatTest : public PushButtonTest, public ::testing::WithParamInterface<RepeatCase>
{
};

TEST_P(AutoRepeatTest, TicksOncePerIntervalWhileHeld)
{
    const RepeatCase c = GetParam();
    int ticks = 0;
    button->SetMouseContinuouslyDownInterval(c.interval);
    button->OnMouseContinuouslyDown = [&](QObject *sender) {
        EXPECT_EQ(sender, button);
        ++ticks;
    };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    AdvanceTimers(button, c.heldMs);
    EXPECT_EQ(ticks, c.expectedTicks);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 13));
    AdvanceTimers(button, 1000);
    EXPECT_EQ(ticks, c.expectedTicks) << "the release stops the repeat";
}

INSTANTIATE_TEST_SUITE_P(Intervals, AutoRepeatTest,
                         ::testing::Values(RepeatCase{100, 350, 3}, RepeatCase{100, 99, 0},
                                           RepeatCase{0, 350, 0}, RepeatCase{-5, 350, 0}));

TEST_F(PushButtonTest, KeyboardPressesStartNoRepeat)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->FMouseDown);
    EXPECT_EQ(button->FTimer, nullptr);
    QTest::keyRelease(button, Qt::Key_Space);
}

TEST_F(PushButtonTest, LeaveWithoutMoveStopsTheRepeat)
{
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](QObject *) { ++ticks; };
    SendEnter(button);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    AdvanceTimers(button, 150);
    SendLeave(button);
    AdvanceTimers(button, 500);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(button->FMouseDown);
}

TEST_F(PushButtonTest, EveryClickWritesTheModalResult)
{
    form->SetModalResult(mrOk);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    button->SetModalResult(mrCancel);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    // OnClick already sees the result it wrote: 0 resets, 2 sets.
    EXPECT_EQ(clicks, (std::vector<int>{0, mrCancel}));
}

TEST_F(PushButtonTest, ButtonWithModalResultEndsAModalForm)
{
    TForm dialog;
    auto *ok = new TvekButton(&dialog);
    ok->SetModalResult(mrOk);
    bool clicked = false;
    ok->OnClick = [&](QObject *) { clicked = true; };
    QTimer::singleShot(0, ok, [ok] { ok->Click(); });
    QTimer::singleShot(2000, &dialog, [&dialog] { dialog.SetModalResult(mrAbort); }); // never hang
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(clicked);
}

TEST_F(PushButtonTest, SpaceAndEnterClickOnRelease)
{
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        clicks.clear();
        button->setFocus();
        QTest::keyPress(button, key);
        EXPECT_TRUE(button->FMouseDown);
        EXPECT_EQ(Middle(), PictureMiddle("DEEPBLUE_BUTTON_MOUSEDOWN"));
        EXPECT_TRUE(clicks.empty()) << "the click waits for the key to go up";
        QTest::keyRelease(button, key);
        EXPECT_FALSE(button->FMouseDown);
        EXPECT_EQ(clicks.size(), 1u);
    }
}

TEST_F(PushButtonTest, AcceleratorTakesTheFocusAndClicks)
{
    button->SetCaption("&Go");
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(PushButtonTest, PlainLetterOnAFocusedButtonIsAnotherButtonsAccelerator)
{
    button->SetCaption("&Go");
    auto *other = new TvekButton(form.get());
    other->SetBounds(150, 20, 80, 27);
    other->SetCaption("Other");
    other->show();
    int otherClicks = 0;
    other->OnClick = [&](QObject *) { ++otherClicks; };
    other->setFocus();
    QTest::keyClick(other, Qt::Key_G);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(otherClicks, 0);
    // A disabled button ignores its accelerator.
    button->SetEnabled(false);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_G);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(PushButtonTest, DefaultAndCancelAnswerEnterAndEscape)
{
    auto *edit = new QLineEdit(form.get());
    edit->setGeometry(150, 60, 80, 20);
    edit->show();
    auto *cancel = new TvekButton(form.get());
    cancel->SetBounds(150, 20, 80, 27);
    cancel->show();
    int cancels = 0;
    cancel->OnClick = [&](QObject *) { ++cancels; };
    button->SetDefault(true);
    cancel->SetCancel(true);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks.size(), 1u);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    // A focused button hands Enter to the Default button.
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(cancels, 1);
    // Shift, Ctrl or Alt held: no dialog key.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(cancels, 1);
    // A Default button that cannot take the focus does not answer.
    button->SetEnabled(false);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks.size(), 2u);
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

TEST_F(PushButtonTest, UnloadablePictureFallsBackToBlank74x21)
{
    button->SetColor(clRed);
    button->SetPicNormal("NO_SUCH_PICTURE");
    const QImage shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, 5, 5), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(shot, 73, 20), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(shot, 74, 21), Rgb(255, 0, 0));
    button->SetAutoSize(true);
    EXPECT_EQ(button->size(), QSize(74, 21));
    // Another module carries no pictures either.
    button->SetPicNormal("DEEPBLUE_BUTTON_NORMAL");
    button->SetResHandle(0x1234);
    EXPECT_EQ(button->ResHandle(), 0x1234u);
    EXPECT_EQ(PixelAt(Grab(button), 5, 5), Rgb(255, 255, 255));
}

TEST_F(PushButtonTest, CaptionMovesOnePixelWhilePressed)
{
    button->SetFont(CrispFont());
    const QImage bare = Grab(button);
    button->SetCaption("OK");
    const QRect normal = DiffBox(bare, Grab(button));
    ASSERT_FALSE(normal.isEmpty());
    button->FMouseDown = true;
    button->SetCaption(QString());
    const QImage barePressed = Grab(button);
    button->SetCaption("OK");
    const QRect pressed = DiffBox(barePressed, Grab(button));
    EXPECT_EQ(pressed, normal.translated(1, 1));
}

TEST_F(PushButtonTest, DisabledCaptionIsEmbossedWhiteOnGrey)
{
    button->SetFont(CrispFont());
    button->SetEnabled(false);
    const QImage bare = Grab(button);
    button->SetCaption("OK");
    const QImage shot = Grab(button);
    const QRect text = DiffBox(bare, shot);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(HasPixel(shot, text, Rgb(0x80, 0x80, 0x80)));
    EXPECT_TRUE(HasPixel(shot, text, Rgb(255, 255, 255)));
    // The white copy lies one pixel right and down: the last row is white only.
    EXPECT_TRUE(
        HasPixel(shot, QRect(text.left(), text.bottom(), text.width(), 1), Rgb(255, 255, 255)));
    EXPECT_FALSE(
        HasPixel(shot, QRect(text.left(), text.bottom(), text.width(), 1), Rgb(0x80, 0x80, 0x80)));
}

TEST_F(PushButtonTest, BlankCaptionDrawsNoText)
{
    const QImage bare = Grab(button);
    button->SetCaption("   ");
    EXPECT_TRUE(DiffBox(bare, Grab(button)).isEmpty());
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
    glyphButton->FMouseDown = true;
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
