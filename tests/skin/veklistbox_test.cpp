#include "mouseinput.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "vekform.h"
#include "vekimagepanel.h"
#include "veklistbox.h"
#include "vekscrollbar.h"
#include "vekthemes.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QColor Rgb(TColor color)
{
    return ToQColor(ColorToRGB(color));
}

// The thumb of the list's own vertical bar, as its style lays it out.
int NativeThumb(QScrollBar *native)
{
    struct TPeek : QScrollBar
    {
        using QScrollBar::initStyleOption;
    };
    QStyleOptionSlider option;
    static_cast<TPeek *>(native)->initStyleOption(&option);
    return native->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, native)
        .height();
}

// A list 120 x 109 on a window (eight 13-pixel items in view), and a
// skinned bar beside it on the same window.
class ListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(400, 300);
        list = new TvekListBox(host.get());
        list->setGeometry(20, 40, 120, 109);
        bar = new TvekScrollBar(host.get());
        host->show();
    }

    void AddItems(int from, int to)
    {
        for (int i = from; i <= to; ++i)
            list->addItem(QString::number(i));
    }

    QScrollBar *Native() const { return list->verticalScrollBar(); }

    std::unique_ptr<QWidget> host;
    TvekListBox *list = nullptr;
    TvekScrollBar *bar = nullptr;
};

TEST_F(ListBoxTest, ProgramSettingsByDefault)
{
    EXPECT_EQ(list->BorderColor(), clBlack); // no skinned frame on the window
    EXPECT_EQ(list->Color(), clWindow);
    EXPECT_EQ(list->ItemHeight(), 13);
    EXPECT_EQ(list->VScrollBar(), nullptr);
    AddItems(1, 3);
    EXPECT_EQ(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(),
              13);
}

TEST_F(ListBoxTest, ExtendedMultiSelectWithCtrlAndShift)
{
    list->SetMultiSelect(true);
    AddItems(1, 6);
    QWidget *view = list->viewport();
    auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at(0));
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, at(2));
    EXPECT_EQ(list->selectedItems().size(), 2);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at(1));
    EXPECT_EQ(list->selectedItems().size(), 1);
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, at(4));
    EXPECT_EQ(list->selectedItems().size(), 4); // 1 to 4
}

TEST_F(ListBoxTest, OneColumnFlowsIntoFurtherColumns)
{
    list->setGeometry(22, 44, 674, 109);
    list->SetColumns(1);
    AddItems(1, 20);
    QApplication::processEvents();
    // The column is as tall as the client area above the horizontal bar.
    const QRect first = list->visualItemRect(list->item(0));
    int row = 1;
    while (row < 20 && list->visualItemRect(list->item(row)).left() == first.left())
        ++row;
    ASSERT_LT(row, 20);
    EXPECT_GT(row, 4);
    const QRect next = list->visualItemRect(list->item(row));
    EXPECT_EQ(next.top(), first.top());
    EXPECT_EQ(next.left() - first.left(), 672);
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(Native()->maximum(), 0);
}

// The program's list: one column of eight 13-pixel rows down the whole
// 105-pixel client area and no horizontal bar while the items fit; the bar
// from the ninth item on, and gone again when the list is back to eight.
TEST_F(ListBoxTest, OneColumnHoldsEightRowsWithoutAHorizontalBar)
{
    list->setGeometry(22, 44, 674, 109);
    list->SetColumns(1);
    for (int n = 1; n <= 12; ++n) {
        list->addItem(QString::number(n));
        QApplication::processEvents();
        const bool fits = n <= 8;
        EXPECT_EQ(list->horizontalScrollBar()->isVisible(), !fits) << n << " items";
        if (!fits)
            continue;
        EXPECT_EQ(list->viewport()->height(), 105) << n << " items";
        const QRect first = list->visualItemRect(list->item(0));
        const QRect last = list->visualItemRect(list->item(n - 1));
        EXPECT_EQ(last.left(), first.left()) << n << " items";
        EXPECT_EQ(last.top() - first.top(), 13 * (n - 1)) << n << " items";
    }
    // The ninth item stands in a further column, 672 pixels on.
    EXPECT_EQ(list->visualItemRect(list->item(8)).left() -
                  list->visualItemRect(list->item(0)).left(),
              672);
    for (int n = 12; n > 8; --n)
        delete list->takeItem(n - 1);
    QApplication::processEvents();
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_EQ(list->visualItemRect(list->item(7)).top() - list->visualItemRect(list->item(0)).top(),
              7 * 13);
}

TEST_F(ListBoxTest, BorderRingsOverTheList)
{
    list->SetBorderColor(clRed);
    list->SetColor(clBlue);
    AddItems(1, 30); // the list's own bar shows inside the border
    QApplication::processEvents();
    const QImage image = list->grab().toImage();
    const int w = image.width(), h = image.height();
    for (QPoint p : {QPoint(0, 0), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1), QPoint(0, h / 2)})
        EXPECT_EQ(image.pixelColor(p), Rgb(clRed)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(w - 2, h / 2), QPoint(w / 2, h - 2), QPoint(1, h / 2)})
        EXPECT_EQ(image.pixelColor(p), Rgb(clBlue)) << p.x() << "," << p.y();
}

TEST_F(ListBoxTest, SystemBorderColourDrawnInItsCurrentValue)
{
    list->SetBorderColor(clBtnFace);
    const QImage image = list->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 5), Rgb(clBtnFace));
    EXPECT_EQ(image.pixelColor(1, 5), Rgb(clWindow));
}

TEST_F(ListBoxTest, BarHiddenWhileEverythingFits)
{
    AddItems(1, 3);
    list->SetVScrollBar(bar);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(bar->LineButton(), 0);
    // Placed over the list's right edge, in the window's coordinates.
    EXPECT_EQ(bar->geometry(), QRect(20 + 120 - 16 - 2, 41, 16, 107));
}

TEST_F(ListBoxTest, BarShownOnceTheListScrolls)
{
    list->SetVScrollBar(bar);
    int count = 0;
    while (Native()->maximum() == 0 && count < 50)
        list->addItem(QString::number(++count));
    EXPECT_EQ(count, 9); // the ninth item does not fit
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->Max(), 1);

    AddItems(count + 1, 20);
    QApplication::processEvents(); // lets the list show its own bar
    EXPECT_EQ(bar->Max(), 20 - 8); // items less the items in view
    EXPECT_EQ(bar->Min(), 0);
    const int thumb = std::max(18, NativeThumb(Native()));
    EXPECT_EQ(bar->LineButton(), thumb);
    EXPECT_EQ(bar->Track()->Slider()->height(), thumb);
}

TEST_F(ListBoxTest, ListScrollingMovesTheBar)
{
    AddItems(1, 20);
    list->SetVScrollBar(bar);
    Native()->setValue(6);
    EXPECT_EQ(bar->Position(), 6);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(bar->Position(), 12);
}

TEST_F(ListBoxTest, DraggingScrollsByWholeItemsAndSnapsToTheTopItem)
{
    AddItems(1, 20);
    list->SetVScrollBar(bar);
    TvekScrollTrackBar *track = bar->Track();
    TvekImagePanel *slider = track->Slider();
    const int length = slider->height();
    const int room = track->height() - length;
    ASSERT_EQ(bar->Max(), 12);

    Press(track, QPoint(8, 1));
    MoveHeld(track, QPoint(8, 30));
    EXPECT_EQ(Native()->value(), 0); // the first move only computes a value
    MoveHeld(track, QPoint(8, 31));
    // The second move scrolls the list to the value of the first, a whole item...
    const int top = (30 - length / 2) * 12 / room;
    ASSERT_GT(top, 0);
    EXPECT_EQ(Native()->value(), top);
    EXPECT_EQ(list->indexAt(QPoint(5, 2)).row(), top);
    // ...and the slider stands where that top item puts it, not under the pointer.
    EXPECT_EQ(slider->y(), top * room / 12);
    Release(track, QPoint(8, 31));
}

TEST_F(ListBoxTest, BarFollowsMovesAndResizes)
{
    AddItems(1, 20);
    list->SetVScrollBar(bar);
    list->move(50, 60);
    EXPECT_EQ(bar->geometry(), QRect(50 + 120 - 16 - 2, 61, 16, 107));
    list->resize(200, 150);
    EXPECT_EQ(bar->geometry(), QRect(50 + 200 - 16 - 2, 61, 16, 148));
}

TEST_F(ListBoxTest, DetachingAndDestroyingTheBar)
{
    AddItems(1, 20);
    list->SetVScrollBar(bar);
    ASSERT_GT(bar->LineButton(), 0);
    bar->SetPosition(5);
    list->SetVScrollBar(nullptr);
    EXPECT_FALSE(bar->OnChange);
    EXPECT_EQ(bar->LineButton(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->Position(), 5);
    bar->SetPosition(50); // a free bar no longer scrolls the list
    EXPECT_EQ(Native()->value(), 5);

    list->SetVScrollBar(bar);
    delete bar;
    EXPECT_EQ(list->VScrollBar(), nullptr);
    list->addItem("more"); // no bar left to update
}

TEST_F(ListBoxTest, DestroyedListLeavesTheBarWithoutACallback)
{
    AddItems(1, 20);
    list->SetVScrollBar(bar);
    delete list;
    EXPECT_FALSE(bar->OnChange);
    bar->SetPosition(3);
}

} // namespace

namespace {

TEST_F(ListBoxTest, WindowStyleReachesListBarAndComboBox)
{
    auto *combo = new TvekComboBox(host.get());
    list->SetColor(clWhite);
    ContainerApplyUIStyle(host.get(), TvekUIStyle::WinXP);
    EXPECT_EQ(list->BorderColor(), 0x00686868); // the list only takes the border colour
    EXPECT_EQ(list->Color(), clWhite);
    EXPECT_EQ(bar->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(bar->Color(), 0x00F9F9F9);
    EXPECT_EQ(bar->TopButton()->height(), 17);
    EXPECT_EQ(combo->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(combo->ButtonColor(), 0x00DEEBEF);
}

} // namespace

namespace {

// Controls created on a window that wears a skinned frame start in its style.
TEST(SkinnedWindow, NewControlsTakeTheFramesStyle)
{
    QWidget window;
    auto *frame = new TvekForm(&window);
    frame->SetUIStyleAutoUpdateSub(false);
    frame->SetUIStyle(TvekUIStyle::WinXP);
    auto *list = new TvekListBox(&window);
    auto *combo = new TvekComboBox(&window);
    auto *bar = new TvekScrollBar(&window);
    EXPECT_EQ(list->BorderColor(), 0x00686868);
    EXPECT_EQ(combo->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(combo->BorderColor(), 0x00686868);
    EXPECT_EQ(bar->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(bar->TopButton()->size(), QSize(16, 17));
}

} // namespace
