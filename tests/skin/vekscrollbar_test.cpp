#include "bitmapresource.h"
#include "mouseinput.h"
#include "vekbutton.h"
#include "vekimagepanel.h"
#include "vekscrollbar.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// One tick of a button's auto-repeat, as its timer would give it.
void RepeatTick(TvekImageButton *button)
{
    ASSERT_NE(button->RepeatTimer(), nullptr);
    QMetaObject::invokeMethod(button->RepeatTimer(), "timeout");
}

// A DeepBlue vertical scroll bar, 185 high, as a control on a window.
class ScrollBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(200, 240);
        bar = new TvekScrollBar(host.get());
        bar->move(10, 10);
        host->show();
        track = bar->Track();
        slider = track->Slider();
    }

    // Points the track's repeat at a place in the track.
    void PointerAt(QPoint inTrack)
    {
        track->CursorPos = [this, inTrack] { return track->mapToGlobal(inTrack); };
    }

    std::unique_ptr<QWidget> host;
    TvekScrollBar *bar = nullptr;
    TvekScrollTrackBar *track = nullptr;
    TvekImagePanel *slider = nullptr;
};

TEST_F(ScrollBarTest, DefaultsAndDeepBlueLayoutAt185High)
{
    EXPECT_EQ(bar->UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_EQ(bar->Orientation(), vekVertical);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->SmallChange(), 1);
    EXPECT_EQ(bar->LargeChange(), 10);
    EXPECT_EQ(bar->PageSize(), 10);
    EXPECT_EQ(bar->LineButton(), 0);
    EXPECT_EQ(bar->Color(), 0x00F5F5F5);
    EXPECT_EQ(track->Color(), 0x00F5F5F5);

    EXPECT_EQ(bar->size(), QSize(16, 185));
    EXPECT_EQ(bar->TopButton()->geometry(), QRect(0, 0, 16, 16));
    EXPECT_EQ(bar->BottomButton()->geometry(), QRect(0, 169, 16, 16));
    // One pixel less than the room between the buttons: row 168 stays uncovered.
    EXPECT_EQ(track->geometry(), QRect(0, 16, 16, 152));
    EXPECT_EQ(slider->geometry(), QRect(0, 0, 16, 15)); // 152 x 10 / 100

    // Painted: the bar's colour shows in the uncovered row and on the track.
    const QImage image = bar->grab().toImage();
    EXPECT_EQ(image.pixelColor(8, 168), QColor(0xF5, 0xF5, 0xF5));
    EXPECT_EQ(image.pixelColor(8, 100), QColor(0xF5, 0xF5, 0xF5));
    const QImage top = LoadBitmapResource("DEEPBLUE_SCROLLBAR_TOPBUTTON_NORMAL");
    EXPECT_EQ(image.pixelColor(8, 8), top.pixelColor(8, 8));
}

TEST_F(ScrollBarTest, SliderIsCutFromTheThreeThirdsOfTheTrackBitmap)
{
    const QImage stored =
        LoadBitmapResource("DEEPBLUE_SCROLLBAR_TRACK").convertToFormat(QImage::Format_ARGB32);
    bar->SetLineButton(30);
    const QImage picture = slider->Picture().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(16, 30));
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 7; ++y) {
            EXPECT_EQ(picture.pixel(x, y), stored.pixel(x, y)) << x << "," << y;
            EXPECT_EQ(picture.pixel(x, 23 + y), stored.pixel(x, 14 + y)) << x << "," << y;
        }
    // The middle third stretched between the caps.
    EXPECT_EQ(picture.pixel(5, 15), stored.pixel(5, 10));
}

TEST_F(ScrollBarTest, LineButtonIsRaisedTo18)
{
    bar->SetLineButton(7);
    EXPECT_EQ(bar->LineButton(), 18);
    EXPECT_EQ(slider->size(), QSize(16, 18));
    bar->SetLineButton(0);
    EXPECT_EQ(slider->size(), QSize(16, 15));
}

TEST_F(ScrollBarTest, PageSizeRangeAndProportionalFloor)
{
    bar->SetPageSize(5); // accepted for paging, but the slider keeps 10 %
    EXPECT_EQ(bar->PageSize(), 5);
    EXPECT_EQ(slider->height(), 15);
    bar->SetPageSize(50);
    EXPECT_EQ(slider->height(), 76);
    bar->SetPageSize(101);
    bar->SetPageSize(-1);
    EXPECT_EQ(bar->PageSize(), 50);
    bar->SetLargeChange(20);
    EXPECT_EQ(bar->PageSize(), 20);
    EXPECT_EQ(slider->height(), 76); // LargeChange does not rebuild the slider
}

TEST_F(ScrollBarTest, PositionIsClampedAndPlacesTheSlider)
{
    std::vector<int> reported;
    bar->OnChange = [&](QObject *sender) {
        EXPECT_EQ(sender, track);
        reported.push_back(bar->Position());
    };
    bar->SetPosition(50);
    EXPECT_EQ(slider->y(), 68); // 50 x (152 - 15) / 100
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(slider->y(), 137);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(0); // unchanged: no callback
    EXPECT_EQ(reported, (std::vector<int>{50, 100, 0}));
}

TEST_F(ScrollBarTest, NewMaxLeavesTheSliderUntilThePositionChanges)
{
    bar->SetPosition(50);
    bar->SetMax(200);
    EXPECT_EQ(slider->y(), 68);
    bar->SetMin(40);
    EXPECT_EQ(bar->Position(), 50); // bounds do not clamp the position
    EXPECT_EQ(slider->y(), 68);
    bar->SetPosition(60);
    EXPECT_EQ(slider->y(), 17); // (60 - 40) x 137 / 160, truncated
}

TEST_F(ScrollBarTest, MaxEqualMinPutsTheSliderAtTheStartAndDragsToMin)
{
    bar->SetPosition(30);
    bar->SetMax(20);
    bar->SetMin(20);
    bar->SetPosition(70);
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(slider->y(), 0);
    Press(track, QPoint(8, 5));
    MoveHeld(track, QPoint(8, 90));
    MoveHeld(track, QPoint(8, 140));
    Release(track, QPoint(8, 140));
    EXPECT_EQ(bar->Position(), 20);
}

TEST_F(ScrollBarTest, ArrowPressShorterThanOneIntervalStepsNothing)
{
    bar->SetPosition(50);
    Press(bar->BottomButton(), QPoint(8, 8));
    Release(bar->BottomButton(), QPoint(8, 8));
    Press(bar->TopButton(), QPoint(8, 8));
    Release(bar->TopButton(), QPoint(8, 8));
    EXPECT_EQ(bar->Position(), 50);
}

TEST_F(ScrollBarTest, HeldArrowsStepBySmallChangeEveryTick)
{
    bar->SetPosition(50);
    bar->SetSmallChange(3);
    TvekImageButton *down = bar->BottomButton();
    Press(down, QPoint(8, 8));
    ASSERT_NE(down->RepeatTimer(), nullptr);
    EXPECT_EQ(down->RepeatTimer()->interval(), 100);
    RepeatTick(down);
    RepeatTick(down);
    EXPECT_EQ(bar->Position(), 56);
    Release(down, QPoint(8, 8));
    EXPECT_EQ(down->RepeatTimer(), nullptr);

    TvekImageButton *up = bar->TopButton();
    Press(up, QPoint(8, 8));
    RepeatTick(up);
    EXPECT_EQ(bar->Position(), 53);
    // Leaving the button ends the repeat.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(up, &leave);
    EXPECT_EQ(up->RepeatTimer(), nullptr);
    EXPECT_EQ(bar->Position(), 53);
}

TEST_F(ScrollBarTest, PagingStopsWhereTheSliderCentreMeetsThePointer)
{
    // Below the slider: pages by 10 but never past (100 - 7) x 100 / 137 = 67.
    const QPoint below(8, 100);
    PointerAt(below);
    Press(track, below);
    EXPECT_EQ(bar->Position(), 10);
    ASSERT_TRUE(track->Paging());
    EXPECT_EQ(track->findChild<QTimer *>()->interval(), 500);
    for (int expected : {20, 30, 40, 50, 60, 67, 67, 67}) {
        track->PageTick();
        EXPECT_EQ(bar->Position(), expected);
    }
    EXPECT_EQ(slider->y(), 91);
    Release(track, below);
    EXPECT_FALSE(track->Paging());

    // Above the slider: back by 10, never before the pointer's value 2.
    const QPoint above(8, 10);
    PointerAt(above);
    Press(track, above);
    EXPECT_EQ(bar->Position(), 57);
    for (int i = 0; i < 8; ++i)
        track->PageTick();
    EXPECT_EQ(bar->Position(), 2);
    Release(track, above);
}

TEST_F(ScrollBarTest, PagingByPageSize5AndTheRepeatFollowsThePointer)
{
    bar->SetPageSize(5);
    PointerAt(QPoint(8, 100));
    Press(track, QPoint(8, 100));
    track->PageTick();
    EXPECT_EQ(bar->Position(), 10);
    PointerAt(QPoint(8, 2)); // the pointer moved above the slider
    track->PageTick();
    EXPECT_EQ(bar->Position(), 5);
    Release(track, QPoint(8, 2));
}

TEST_F(ScrollBarTest, LeavingTheTrackStopsPagingOnlyTheRightButtonDoesNotPage)
{
    Press(track, QPoint(8, 100));
    ASSERT_TRUE(track->Paging());
    MoveHeld(track, QPoint(8, 152)); // on the edge still counts as inside
    EXPECT_TRUE(track->Paging());
    MoveHeld(track, QPoint(17, 100));
    EXPECT_FALSE(track->Paging());
    Release(track, QPoint(17, 100));

    const int before = bar->Position();
    Press(track, QPoint(8, 100), Qt::RightButton);
    EXPECT_EQ(bar->Position(), before);
    EXPECT_FALSE(track->Paging());
    Release(track, QPoint(8, 100), Qt::RightButton);
}

TEST_F(ScrollBarTest, DragReportsThePreviousMovesValue)
{
    std::vector<int> reported;
    bar->OnChange = [&](QObject *) { reported.push_back(bar->Position()); };
    Press(track, QPoint(8, 3)); // grabbed 3 pixels below its top
    ASSERT_TRUE(track->Dragging());
    MoveHeld(track, QPoint(8, 50));
    EXPECT_EQ(slider->y(), 47);
    EXPECT_EQ(bar->Position(), 31); // (50 - 7) x 100 / 137
    EXPECT_TRUE(reported.empty());
    MoveHeld(track, QPoint(8, 80));
    EXPECT_EQ(slider->y(), 77);
    EXPECT_EQ(reported, std::vector<int>{31});
    EXPECT_EQ(bar->Position(), 53);
    MoveHeld(track, QPoint(8, 400)); // clamped to the track's end
    EXPECT_EQ(slider->y(), 137);
    EXPECT_EQ(bar->Position(), 100);
    Release(track, QPoint(8, 400));
    EXPECT_FALSE(track->Dragging());
    EXPECT_EQ(reported, (std::vector<int>{31, 53}));
}

TEST_F(ScrollBarTest, HorizontalLayoutTurnsTheArrows)
{
    bar->SetOrientation(vekHorizontal);
    bar->resize(200, 40);
    EXPECT_EQ(bar->height(), 16);
    EXPECT_EQ(bar->TopButton()->geometry(), QRect(0, 0, 16, 16));
    EXPECT_EQ(bar->BottomButton()->geometry(), QRect(184, 0, 16, 16));
    EXPECT_EQ(track->geometry(), QRect(16, 0, 168, 16)); // exactly the room between
    EXPECT_EQ(slider->size(), QSize(16, 16));
    EXPECT_EQ(slider->width(), 16); // 168 x 10 / 100

    const QImage up = LoadBitmapResource("DEEPBLUE_SCROLLBAR_TOPBUTTON_NORMAL");
    const QImage left = bar->TopButton()->PicNormal();
    EXPECT_EQ(left.pixel(0, 15), up.pixel(0, 0)); // turned a quarter left
}

TEST_F(ScrollBarTest, CustomKeepsPicturesAndColour)
{
    const QImage before = bar->TopButton()->PicNormal();
    bar->SetUIStyle(TvekUIStyle::Custom);
    EXPECT_EQ(bar->Color(), 0x00F5F5F5);
    EXPECT_EQ(bar->TopButton()->PicNormal(), before);
    bar->SetUIStyle(TvekUIStyle::MacOS);
    EXPECT_EQ(bar->Color(), 0x00C9C9C9);
    EXPECT_EQ(bar->TopButton()->size(), QSize(16, 22));
    EXPECT_EQ(track->geometry(), QRect(0, 22, 16, 185 - 44 - 1));
}

} // namespace

namespace {

// Laid out on a hidden window, before the resize notification comes.
TEST(ScrollBarHidden, PositionSetBeforeShowingUsesTheNewSize)
{
    QWidget host;
    auto *bar = new TvekScrollBar(&host);
    bar->SetOrientation(vekHorizontal);
    bar->setGeometry(22, 30, 300, 16);
    bar->SetPosition(40);
    EXPECT_EQ(bar->Track()->geometry(), QRect(16, 0, 268, 16));
    EXPECT_EQ(bar->Track()->Slider()->geometry(), QRect(96, 0, 26, 16)); // 40 x 242 / 100
}

} // namespace

namespace {

// A track bar of its own wears its style's slider and colour.
TEST(TrackBar, FreeStandingTrackBarLoadsItsStyle)
{
    QWidget window;
    TvekTrackBar track(&window);
    EXPECT_EQ(track.UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_EQ(track.Color(), 0x00E8E8E8);
    EXPECT_EQ(track.Slider()->size(), LoadBitmapResource("DEEPBLUE_TRACKBAR_SLIDER").size());
}

} // namespace
