// The behaviour every skinned button shares, shown on the push button: the
// mouse and keyboard state machine, auto-repeat, modal results, dialog keys,
// accelerators and the caption.
#include "buttontestsupport.h"

#include "vekbutton.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST_F(PushButtonTest, PressDragOffAndReleaseOutsideGivesNoClick)
{
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](QObject *) { ++ticks; };
    QTest::mouseMove(button, QPoint(40, 13));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    ASSERT_TRUE(button->MouseDown());
    ASSERT_NE(button->RepeatTimer(), nullptr);

    QTest::mouseMove(button, QPoint(150, 13));
    EXPECT_FALSE(button->MouseDown());
    EXPECT_FALSE(button->MouseOn());
    EXPECT_EQ(button->RepeatTimer(), nullptr) << "leaving stops the repeat";
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
    EXPECT_TRUE(button->MouseOn());
    EXPECT_FALSE(button->MouseDown());
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
        pressedDuringClick = button->MouseDown();
        timerDuringClick = button->RepeatTimer() != nullptr;
    };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_TRUE(pressedDuringClick);
    EXPECT_TRUE(timerDuringClick);
    EXPECT_FALSE(button->MouseDown());
    EXPECT_EQ(button->RepeatTimer(), nullptr);
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
    EXPECT_TRUE(button->MouseDown());
    EXPECT_EQ(button->RepeatTimer(), nullptr);
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
    EXPECT_FALSE(button->MouseDown());
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
        EXPECT_TRUE(button->MouseDown());
        EXPECT_EQ(Middle(), PictureMiddle("DEEPBLUE_BUTTON_MOUSEDOWN"));
        EXPECT_TRUE(clicks.empty()) << "the click waits for the key to go up";
        QTest::keyRelease(button, key);
        EXPECT_FALSE(button->MouseDown());
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
    TvekButtonLook::Show(button, button->MouseOn(), true);
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

} // namespace
