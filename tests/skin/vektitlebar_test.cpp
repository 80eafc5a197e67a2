#include "vekform.h"
#include "vektitlebar.h"

#include "bitmapresource.h"
#include "imagescan.h"
#include "mouseinput.h"
#include "scripteddialogservices.h"
#include "skinnedwindow.h"
#include "tform.h"
#include "vekpublic.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QImage Solid(int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(rgb);
    return image;
}

constexpr QRgb red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, black = 0xFF000000,
               white = 0xFFFFFFFF, yellow = 0xFFFFFF00, cyan = 0xFF00FFFF, purple = 0xFF800080,
               orange = 0xFFFF8000, navy = 0xFF000080;

// The program's main window bar: DeepBlue, control box, close and minimise,
// 718 pixels wide, on a host window.
class MainWindowBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.resize(718, 200);
        bar = new TvekTitleBar(&host);
        bar->Buttons()->Delete(2); // the main window has no maximise button
        bar->resize(718, bar->height());
    }

    // Solid pictures of the style's sizes, so every piece shows where it lies.
    void PaintSolid()
    {
        TvekTitleBarSections *s = bar->Sections();
        s->Items(0)->SetPicture(Solid(97, 32, red));
        s->Items(1)->SetPicture(Solid(97, 32, green));
        s->Items(2)->SetPicture(Solid(98, 32, blue));
        const QRgb colors[] = {yellow, cyan, purple};
        for (int i = 0; i < 3; ++i) {
            bar->Buttons()->Items(i)->SetPicNormal(Solid(19, 19, colors[i]));
            bar->Buttons()->Items(i)->SetPicMouseOn(Solid(19, 19, orange));
            bar->Buttons()->Items(i)->SetPicMouseDown(Solid(19, 19, navy));
        }
    }

    QImage Grab() { return bar->grab().toImage(); }

    QWidget host;
    TvekTitleBar *bar = nullptr;
    ScriptedDialogServices dialogs;
};

TEST_F(MainWindowBar, SectionsAndButtonsLieWhereTheStylePutsThem)
{
    PaintSolid();
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(718, 32));
    // Sections along the bottom row: left 0-96, client 97-620, right 621-717.
    EXPECT_EQ(image.pixel(0, 31), red);
    EXPECT_EQ(image.pixel(96, 31), red);
    EXPECT_EQ(image.pixel(97, 31), blue);
    EXPECT_EQ(image.pixel(620, 31), blue);
    EXPECT_EQ(image.pixel(621, 31), green);
    EXPECT_EQ(image.pixel(717, 31), green);
    // Control box at (0, 2), close at W - 19, minimise at W - 39, all 19 x 19.
    EXPECT_EQ(image.pixel(0, 2), yellow);
    EXPECT_EQ(image.pixel(18, 20), yellow);
    EXPECT_EQ(image.pixel(0, 1), red);
    EXPECT_EQ(image.pixel(699, 2), cyan);
    EXPECT_EQ(image.pixel(717, 20), cyan);
    EXPECT_EQ(image.pixel(698, 10), green); // the one-pixel gap
    EXPECT_EQ(image.pixel(679, 2), purple);
    EXPECT_EQ(image.pixel(697, 20), purple);
    EXPECT_EQ(image.pixel(678, 10), green);
    EXPECT_EQ(image.pixel(700, 21), green);
}

TEST_F(MainWindowBar, DrawsTheStylePictures)
{
    const QImage image = Grab();
    const QImage close = LoadBitmapResource("DEEPBLUE_TITLEBTN_CLOSE_NORMAL");
    const QImage box = LoadBitmapResource("DEEPBLUE_TITLEBTN_CTLBOX_NORMAL");
    const QImage left = LoadBitmapResource("DEEPBLUE_TITLE_LEFT");
    const QImage right = LoadBitmapResource("DEEPBLUE_TITLE_RIGHT");
    EXPECT_EQ(image.copy(699, 2, 19, 19), close.convertToFormat(image.format()));
    EXPECT_EQ(image.copy(0, 2, 19, 19), box.convertToFormat(image.format()));
    // Below the buttons and the caption the sections show unscaled.
    EXPECT_EQ(image.copy(0, 22, 97, 10), left.copy(0, 22, 97, 10).convertToFormat(image.format()));
    EXPECT_EQ(image.copy(621, 22, 97, 10),
              right.copy(0, 22, 97, 10).convertToFormat(image.format()));
}

TEST_F(MainWindowBar, HotAndPressedButtonsShowTheirPictures)
{
    PaintSolid();
    SendMouse(bar, QEvent::MouseMove, QPoint(708, 10), Qt::NoButton);
    EXPECT_EQ(Grab().pixel(699, 2), orange);
    EXPECT_EQ(bar->HotButton(), 1);
    SendMouse(bar, QEvent::MouseButtonPress, QPoint(708, 10));
    EXPECT_EQ(Grab().pixel(699, 2), navy);
    EXPECT_EQ(Grab().pixel(679, 2), purple);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    EXPECT_EQ(Grab().pixel(699, 2), cyan);
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(MainWindowBar, HoverRepaintsOnlyWhenTheHotButtonChanges)
{
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QApplication::processEvents();
    const PaintCounter counter(bar);
    SendMouse(bar, QEvent::MouseMove, QPoint(300, 10), Qt::NoButton);
    SendMouse(bar, QEvent::MouseMove, QPoint(310, 12), Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "moves over the caption";
    SendMouse(bar, QEvent::MouseMove, QPoint(708, 10), Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1) << "onto the close button";
    SendMouse(bar, QEvent::MouseMove, QPoint(706, 12), Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1) << "within the same button";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 2) << "off the bar";
}

// The bounding box of the pixels that differ from the background.
QRect InkBox(const QImage &image, const QRect &area, QRgb background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(MainWindowBar, CaptionStartsAt24And4)
{
    PaintSolid();
    bar->Sections()->Items(2)->SetPicture(Solid(98, 32, black));
    bar->Sections()->Items(0)->SetPicture(Solid(97, 32, black));
    bar->SetCaption("HHHH");
    const QImage image = Grab();
    const QRect ink = InkBox(image, QRect(19, 0, 600, 32), black);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 24);
    EXPECT_LE(ink.left(), 26);
    EXPECT_GE(ink.top(), 4);
    EXPECT_LE(ink.top(), 8);
    EXPECT_TRUE(HasColor(image, ink, white));
}

struct CaptionColorCase
{
    TvekUIStyle style;
    bool active;
    QRgb background;
    TColor expected;
};

TEST(TitleBarCaption, ColourFollowsActivationAndStyle)
{
    const CaptionColorCase cases[] = {
        {TvekUIStyle::DeepBlue, true, black, clWhite},
        {TvekUIStyle::DeepBlue, false, black, clInactiveCaption},
        {TvekUIStyle::MacOS, true, white, clBlack},
        {TvekUIStyle::MacOS, false, black, clInactiveCaption},
    };
    for (const CaptionColorCase &c : cases) {
        QWidget host;
        TvekTitleBar bar(&host);
        bar.SetUIStyle(c.style);
        bar.resize(400, bar.height());
        for (int i = 0; i < bar.Sections()->Count(); ++i)
            bar.Sections()->Items(i)->SetPicture(Solid(200, bar.height(), c.background));
        bar.SetCaption("HHHH");
        bar.SetActive(c.active);
        const QImage image = bar.grab().toImage();
        const QRect area(30, 0, 200, bar.height());
        EXPECT_TRUE(HasColor(image, area, ToQColor(c.expected).rgb()))
            << int(c.style) << " active " << c.active;
    }
}

TEST_F(MainWindowBar, CaptionTooWideShowsFirstTwoCharactersAndDots)
{
    // The space runs from 24 to the minimise button at W - 39.
    for (const QString &caption :
         {QStringLiteral("Quorvel Marlune"), QStringLiteral("文本转换工具")}) {
        const int textWidth = QFontMetrics(bar->Font()).horizontalAdvance(caption);
        bar->SetCaption(caption);
        bar->resize(textWidth + 63, bar->height());
        EXPECT_EQ(bar->CaptionSpace(), textWidth);
        EXPECT_EQ(bar->DrawnCaption(), caption);
        bar->resize(textWidth + 62, bar->height());
        const QString shortened =
            caption.startsWith(QChar(u'文')) ? QStringLiteral("文...") : QStringLiteral("Qu...");
        EXPECT_EQ(bar->DrawnCaption(), shortened);
    }
    // What is painted is the short text: its ink ends well before the full one.
    PaintSolid();
    bar->Sections()->Items(0)->SetPicture(Solid(97, 32, black));
    bar->Sections()->Items(1)->SetPicture(Solid(97, 32, black));
    bar->Sections()->Items(2)->SetPicture(Solid(98, 32, black));
    const QString caption = QStringLiteral("Quorvel Marlune");
    const int textWidth = QFontMetrics(bar->Font()).horizontalAdvance(caption);
    bar->SetCaption(caption);
    bar->resize(textWidth + 62, bar->height());
    const QImage image = Grab();
    const QRect ink = InkBox(image, QRect(19, 0, bar->width() - 39 - 19, 32), black);
    ASSERT_FALSE(ink.isEmpty());
    const int shortWidth = QFontMetrics(bar->Font()).horizontalAdvance("Qu...");
    EXPECT_LE(ink.right(), 24 + shortWidth + 1);
}

TEST_F(MainWindowBar, ApplicationIconInPlaceOfTheControlBox)
{
    PaintSolid();
    bar->SetDrawAppIcon(true);
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(0, 2), red);   // no control-box picture
    EXPECT_EQ(image.pixel(19, 10), red); // the icon is 16 pixels wide from x = 3
    EXPECT_NE(InkBox(image, QRect(3, 2, 16, 16), red), QRect());
    // The place still reacts as the control box.
    EXPECT_EQ(bar->ButtonAt(QPoint(5, 5)), 0);
}

TEST(TitleBarCaption, StartWithoutControlBox)
{
    QWidget host;
    TvekTitleBar bar(&host);
    bar.Buttons()->Delete(0);
    bar.SetLeftBtnXOffset(0);
    EXPECT_EQ(bar.CaptionStart(), 6);
    bar.SetLeftBtnXOffset(3);
    EXPECT_EQ(bar.CaptionStart(), 3);
}

TEST(TitleBarCaption, StartBesideTheApplicationIcon)
{
    QWidget host;
    TvekTitleBar bar(&host);
    bar.SetUIStyle(TvekUIStyle::BlueGlass); // control box at x = 4
    bar.SetDrawAppIcon(true);
    EXPECT_EQ(bar.CaptionStart(), 4 + 21);
    bar.SetDrawAppIcon(false);
    EXPECT_EQ(bar.CaptionStart(), 4 + 19 + 5);
}

TEST(TitleBarStyle, HeightOffsetsAndMinimumWidthPerStyle)
{
    struct Case
    {
        TvekUIStyle style;
        int height, left, right, top, minWidth;
    };
    const Case cases[] = {
        {TvekUIStyle::MacOS, 23, 3, -2, 4, 130},     {TvekUIStyle::WinXP, 29, 2, -2, 5, 150},
        {TvekUIStyle::DeepBlue, 32, 0, 0, 2, 130},   {TvekUIStyle::Protein, 23, 0, 0, 2, 130},
        {TvekUIStyle::BlueGlass, 33, 4, -3, 6, 270},
    };
    for (const Case &c : cases) {
        QWidget host;
        TvekTitleBar bar(&host);
        bar.SetUIStyle(c.style);
        EXPECT_EQ(bar.height(), c.height) << int(c.style);
        EXPECT_EQ(bar.LeftBtnXOffset(), c.left);
        EXPECT_EQ(bar.RightBtnXOffset(), c.right);
        EXPECT_EQ(bar.Buttons()->Items(1)->Top(), c.top);
        EXPECT_EQ(host.minimumWidth(), c.minWidth);
        ASSERT_EQ(bar.Sections()->Count(), 3);
        EXPECT_EQ(bar.Sections()->Items(1)->Align(), TvekTitleBarAlign::vekRight);
        EXPECT_EQ(bar.Sections()->Items(2)->Align(), TvekTitleBarAlign::vekClient);
        EXPECT_TRUE(bar.Sections()->Items(2)->Stretch());
        EXPECT_EQ(bar.Sections()->Items(2)->Width(), 10);
    }
}

TEST(TitleBarStyle, CustomRemovesAllSections)
{
    TvekTitleBar bar;
    bar.SetUIStyle(TvekUIStyle::Custom);
    EXPECT_EQ(bar.Sections()->Count(), 0);
    EXPECT_EQ(bar.height(), 32);
    bar.SetAutoSize(true);
    EXPECT_FALSE(bar.AutoSize());
}

TEST(TitleBarStyle, RightSectionSkippedWhenItDoesNotFit)
{
    TvekTitleBar bar;
    bar.SetUIStyle(TvekUIStyle::Custom);
    bar.Buttons()->Clear();
    bar.resize(150, 20);
    TvekTitleBarSection *left = bar.Sections()->Add();
    left->SetAutoSize(true);
    left->SetPicture(Solid(100, 20, red));
    TvekTitleBarSection *right = bar.Sections()->Add();
    right->SetAutoSize(true);
    right->SetPicture(Solid(60, 20, green));
    right->SetAlign(TvekTitleBarAlign::vekRight);
    // 150 - 99 = 51 columns remain: fewer than 60.
    EXPECT_EQ(bar.grab().toImage().pixel(149, 10), black);
    bar.resize(160, 20); // 61 remain
    EXPECT_EQ(bar.grab().toImage().pixel(159, 10), green);
    EXPECT_EQ(bar.grab().toImage().pixel(100, 10), green);
}

TEST(TitleBarRules, AssignCopiesItems)
{
    TvekTitleBar from, to;
    from.Buttons()->Clear();
    TvekTitleBarButton *help = from.Buttons()->Add();
    help->SetButtonType(TvekTitleBarBtnType::vekHelp);
    to.SetButtons(*from.Buttons());
    ASSERT_EQ(to.Buttons()->Count(), 1);
    EXPECT_EQ(to.Buttons()->Items(0)->ButtonType(), TvekTitleBarBtnType::vekHelp);
    EXPECT_EQ(to.Buttons()->Items(0)->PicNormal(), help->PicNormal());
    to.SetSections(*from.Sections());
    ASSERT_EQ(to.Sections()->Count(), 3);
    EXPECT_EQ(to.Sections()->Items(0)->Width(), 97);
}

// A skinned window on the screen, its panel 400 x 200.
class FramedWindow : public SkinnedWindowTest
{
protected:
    void SetUp() override
    {
        MakeFrame(400, 200);
        host.move(50, 60);
        host.show();
        bar = form->TitleBar();
    }

    QPoint ButtonCentre(int index) const { return bar->ButtonRects()[index].center(); }

    TvekTitleBar *bar = nullptr;
};

TEST_F(FramedWindow, DraggingTheCaptionMovesTheWindow)
{
    const QPoint start = host.pos();
    const QPoint press(200, 15), origin = bar->mapToGlobal(press);
    SendMouseAt(bar, QEvent::MouseButtonPress, press, origin);
    // The window follows the pointer, so the pointer stays at the same place
    // of the bar.
    SendMouseAt(bar, QEvent::MouseMove, press, origin + QPoint(30, 20));
    EXPECT_EQ(host.pos(), start + QPoint(30, 20));
    SendMouseAt(bar, QEvent::MouseMove, press, origin + QPoint(40, 30));
    EXPECT_EQ(host.pos(), start + QPoint(40, 30));
    SendMouseAt(bar, QEvent::MouseButtonRelease, press, origin + QPoint(40, 30));
    EXPECT_FALSE(bar->Pressed());
    SendMouse(bar, QEvent::MouseMove, QPoint(250, 45), Qt::NoButton);
    EXPECT_EQ(host.pos(), start + QPoint(40, 30)); // the drag ended
}

TEST_F(FramedWindow, PressOnAButtonDoesNotMoveTheWindow)
{
    const QPoint start = host.pos();
    SendMouse(bar, QEvent::MouseButtonPress, ButtonCentre(1));
    SendMouse(bar, QEvent::MouseMove, ButtonCentre(1) + QPoint(-50, 20));
    EXPECT_EQ(host.pos(), start);
}

TEST_F(FramedWindow, DoubleClickMaximisesAndRestoresWithinTheWorkArea)
{
    const QRect normal = host.geometry();
    const QRect workArea = GetWorkAreaRect();
    SendMouse(bar, QEvent::MouseButtonDblClick, QPoint(200, 15));
    EXPECT_TRUE(host.isMaximized());
    EXPECT_EQ(host.geometry(), workArea);
    EXPECT_EQ(host.maximumSize(), workArea.size());
    // No move while maximised.
    SendMouse(bar, QEvent::MouseButtonRelease, QPoint(200, 15));
    SendMouse(bar, QEvent::MouseButtonPress, QPoint(200, 15));
    SendMouse(bar, QEvent::MouseMove, QPoint(260, 45));
    SendMouse(bar, QEvent::MouseButtonRelease, QPoint(260, 45));
    EXPECT_EQ(host.geometry(), workArea);
    SendMouse(bar, QEvent::MouseButtonDblClick, QPoint(200, 15));
    EXPECT_FALSE(host.isMaximized());
    EXPECT_EQ(host.geometry(), normal);
}

TEST_F(FramedWindow, WinXPMaximiseButtonTakesTheRestorePictures)
{
    form->SetUIStyle(TvekUIStyle::WinXP);
    TvekTitleBarButton *max = bar->Buttons()->Items(2);
    const QImage rst = LoadBitmapResource("WINXP_TITLEBTN_RST_NORMAL");
    const QImage maxPicture = LoadBitmapResource("WINXP_TITLEBTN_MAX_NORMAL");
    ASSERT_NE(rst, maxPicture);
    EXPECT_EQ(max->PicNormal(), maxPicture);
    Click(bar, ButtonCentre(2));
    ASSERT_TRUE(host.isMaximized());
    EXPECT_EQ(max->PicNormal(), rst);
    Click(bar, ButtonCentre(2));
    ASSERT_FALSE(host.isMaximized());
    EXPECT_EQ(max->PicNormal(), maxPicture);
}

TEST_F(FramedWindow, DoubleClickWithoutMaximiseButtonDoesNothing)
{
    bar->Buttons()->Delete(2);
    const QRect normal = host.geometry();
    SendMouse(bar, QEvent::MouseButtonDblClick, QPoint(200, 15));
    EXPECT_FALSE(host.isMaximized());
    EXPECT_EQ(host.geometry(), normal);
}

TEST_F(FramedWindow, ReleaseOverCloseClosesWhereverThePressBegan)
{
    SendMouse(bar, QEvent::MouseButtonPress, QPoint(150, 15));
    SendMouse(bar, QEvent::MouseButtonRelease, ButtonCentre(1));
    EXPECT_FALSE(host.isVisible());
}

// A window closed from its title bar and reopened with the pointer elsewhere
// shows its close button in the normal picture, not the hover one.
TEST_F(FramedWindow, ReopenedAfterCloseShowsNoHoverPicture)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    TvekTitleBarButton *close = bar->Buttons()->Items(1);
    const QSize size = bar->ButtonRects()[1].size();
    close->SetTransparent(false);
    close->SetPicNormal(Solid(size.width(), size.height(), cyan));
    close->SetPicMouseOn(Solid(size.width(), size.height(), orange));
    close->SetPicMouseDown(Solid(size.width(), size.height(), navy));
    const QPoint centre = ButtonCentre(1);
    QCursor::setPos(bar->mapToGlobal(centre));
    QApplication::processEvents(); // the platform's move to the new place
    SendMouse(bar, QEvent::MouseMove, centre, Qt::NoButton);
    ASSERT_EQ(bar->grab().toImage().pixel(centre), orange);
    Click(bar, centre);
    ASSERT_FALSE(host.isVisible());

    QCursor::setPos(host.frameGeometry().bottomRight() + QPoint(100, 100));
    QApplication::processEvents();
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    EXPECT_EQ(bar->HotButton(), -1);
    EXPECT_FALSE(bar->Pressed());
    EXPECT_EQ(bar->grab().toImage().pixel(centre), cyan);
}

TEST_F(FramedWindow, MinimiseButtonMinimises)
{
    Click(bar, ButtonCentre(3));
    EXPECT_TRUE(host.isMinimized());
}

TEST_F(FramedWindow, ModalWindowClosedByItsButtonEndsWithCancel)
{
    host.hide();
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        Click(bar, ButtonCentre(1));
        clicked = true;
    });
    QTimer::singleShot(5000, &host, [&] { host.SetModalResult(99); }); // never hang
    EXPECT_EQ(host.ShowModal(), mrCancel);
    EXPECT_TRUE(clicked);
}

TEST_F(FramedWindow, HelpAndCustomButtonsRaiseTheirEvents)
{
    bar->Buttons()->Clear();
    TvekTitleBarButton *help = bar->Buttons()->Add();
    help->SetButtonType(TvekTitleBarBtnType::vekHelp);
    TvekTitleBarButton *custom = bar->Buttons()->Add();
    custom->SetPicNormal(Solid(19, 19, red));
    std::vector<std::pair<char, int>> calls;
    form->OnTitleBarHelpBtnClick = [&](TvekTitleBar *sender, int index) {
        EXPECT_EQ(sender, bar);
        calls.push_back({'h', index});
    };
    form->OnTitleBarCustomBtnsClick = [&](TvekTitleBar *, int index) {
        calls.push_back({'c', index});
    };
    Click(bar, ButtonCentre(0));
    Click(bar, ButtonCentre(1));
    const std::vector<std::pair<char, int>> expected = {{'h', 0}, {'c', 1}};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(host.isVisible());
}

TEST_F(FramedWindow, ControlBoxShowsItsMenuBelowTheBar)
{
    QMenu menu;
    menu.addAction("Close");
    bar->Buttons()->Items(0)->SetControlBoxMenu(&menu);
    Click(bar, ButtonCentre(0));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), bar->mapToGlobal(QPoint(0, bar->height())));
    menu.hide();
}

TEST_F(FramedWindow, WinXPRoundsOnlyTheTopCorners)
{
    form->SetUIStyle(TvekUIStyle::WinXP);
    const QRegion mask = host.mask();
    const int w = host.width(), h = host.height();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(w - 1, 0)));
    EXPECT_FALSE(mask.contains(QPoint(1, 1)));
    EXPECT_TRUE(mask.contains(QPoint(6, 0)));
    EXPECT_TRUE(mask.contains(QPoint(w / 2, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 7)));
    EXPECT_TRUE(mask.contains(QPoint(0, h - 1)));
    EXPECT_TRUE(mask.contains(QPoint(w - 1, h - 1)));
    // The shape follows the window's size.
    form->SetWidth(500);
    EXPECT_TRUE(host.mask().contains(QPoint(host.width() - 1, 20)));
    EXPECT_FALSE(host.mask().contains(QPoint(host.width() - 1, 0)));
    form->SetUIStyle(TvekUIStyle::DeepBlue);
    EXPECT_TRUE(host.mask().isEmpty());
}

TEST(TitleBarRegion, Shape)
{
    const QRegion region = TvekTitleBar::RoundCornerRegion(QSize(100, 40), 13);
    // Row 0 is cut by 4 pixels at each end, and the cut narrows downwards.
    EXPECT_FALSE(region.contains(QPoint(3, 0)));
    EXPECT_TRUE(region.contains(QPoint(4, 0)));
    EXPECT_TRUE(region.contains(QPoint(95, 0)));
    EXPECT_FALSE(region.contains(QPoint(96, 0)));
    EXPECT_FALSE(region.contains(QPoint(0, 2)));
    EXPECT_TRUE(region.contains(QPoint(0, 6)));
    EXPECT_EQ(TvekTitleBar::RoundCornerRegion(QSize(100, 40), 0), QRegion(0, 0, 100, 40));
}

} // namespace
