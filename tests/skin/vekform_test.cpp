#include "vekform.h"

#include "bitmapresource.h"
#include "mouseinput.h"
#include "scripteddialogservices.h"
#include "skinnedwindow.h"
#include "tform.h"
#include "vekbutton.h"
#include "vekpublic.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

// The program's main window: a form whose panel is 718 x 327.
class MainWindowFrame : public SkinnedWindowTest
{
protected:
    void SetUp() override { MakeFrame(718, 327); }

    ScriptedDialogServices dialogs;
};

TEST_F(MainWindowFrame, DeepBlueDefaults)
{
    EXPECT_EQ(form->UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_FALSE(form->UIStyleAutoUpdateSub());
    EXPECT_EQ(form->BorderColor(), clBlack);
    EXPECT_EQ(form->BorderWidth(), 1);
    EXPECT_EQ(form->Color(), TColor(0x00E8E8E8));
    EXPECT_EQ(form->MenuBarColor(), TColor(0x00E8E8E8));
    EXPECT_EQ(form->MenuBarHeight(), 22);
    EXPECT_TRUE(form->TitleBarVisible());
    EXPECT_EQ(form->TitleBar()->height(), 32);
    EXPECT_EQ(form->TitleBar()->geometry(), QRect(0, 0, 718, 32));
    EXPECT_EQ(host.minimumWidth(), 130);
    EXPECT_EQ(host.minimumHeight(), 50);
    EXPECT_EQ(host.maximumSize(), GetWorkAreaRect().size());
    EXPECT_TRUE(host.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(GetVEKFormStyle(&host), TvekUIStyle::DeepBlue);
    EXPECT_EQ(GetVEKFormColor(&host), TColor(0x00E8E8E8));
}

TEST_F(MainWindowFrame, HostSizedAroundThePanel)
{
    EXPECT_EQ(host.size(), QSize(720, 328));
    EXPECT_EQ(form->geometry(), QRect(1, 0, 718, 327));
    EXPECT_EQ(form->Width(), 718);
    EXPECT_EQ(form->Height(), 327);
    // Resizing the host re-aligns the panel.
    host.show();
    host.resize(600, 300);
    EXPECT_EQ(form->geometry(), QRect(1, 0, 598, 299));
    // Without the title bar the border shows at the top as well.
    form->SetTitleBarVisible(false);
    EXPECT_EQ(form->geometry(), QRect(1, 1, 598, 298));
    EXPECT_FALSE(form->TitleBar()->isVisible());
}

TEST(FrameSizing, ThreePixelBorderGrowsTheHostByOneEachTime)
{
    TForm host;
    TvekForm form(&host);
    form.SetUIStyle(TvekUIStyle::WinXP);
    EXPECT_EQ(form.BorderWidth(), 3);
    form.SetWidth(400);
    form.SetHeight(200);
    EXPECT_EQ(host.size(), QSize(406, 204));
    EXPECT_EQ(form.geometry(), QRect(3, 0, 400, 201));
    const int h = host.height();
    form.SetHeight(form.Height());
    EXPECT_EQ(host.height(), h + 1);
    form.SetHeight(form.Height());
    EXPECT_EQ(host.height(), h + 2);
}

TEST_F(MainWindowFrame, PaintsBorderAndPanel)
{
    const QImage image = host.grab().toImage();
    const QRgb borderColor = 0xFF000000, panel = 0xFFE8E8E8;
    EXPECT_EQ(image.pixel(0, 100), borderColor);
    EXPECT_EQ(image.pixel(719, 100), borderColor);
    EXPECT_EQ(image.pixel(360, 327), borderColor);
    EXPECT_EQ(image.pixel(0, 327), borderColor);
    EXPECT_EQ(image.pixel(1, 100), panel);
    EXPECT_EQ(image.pixel(718, 326), panel);
    EXPECT_EQ(image.pixel(360, 100), panel);
}

TEST_F(MainWindowFrame, MacOSAndProteinTileTheirPattern)
{
    for (const auto &[style, name] : {std::pair{TvekUIStyle::MacOS, "MACOS_FORM_BACKGROUND"},
                                      std::pair{TvekUIStyle::Protein, "PROTEIN_FORM_BACKGROUND"}}) {
        form->SetUIStyle(style);
        const QImage pattern = LoadBitmapResource(name);
        ASSERT_EQ(pattern.size(), QSize(8, 8));
        const QImage image = form->grab().toImage();
        for (const QPoint p : {QPoint(0, 40), QPoint(13, 50), QPoint(100, 101)})
            EXPECT_EQ(image.pixel(p), pattern.pixel(p.x() % 8, p.y() % 8)) << name;
    }
    form->SetUIStyle(TvekUIStyle::BlueGlass);
    EXPECT_EQ(form->grab().toImage().pixel(13, 50), ToQColor(form->Color()).rgb());
}

TEST_F(MainWindowFrame, CustomStyleChangesOnlyTheStoredValue)
{
    form->SetBorderColor(clRed);
    const QSize size = host.size();
    form->SetUIStyle(TvekUIStyle::Custom);
    EXPECT_EQ(form->UIStyle(), TvekUIStyle::Custom);
    EXPECT_EQ(form->BorderColor(), clRed);
    EXPECT_EQ(form->TitleBar()->UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_EQ(form->TitleBar()->Sections()->Count(), 3);
    EXPECT_EQ(host.size(), size);
}

TEST_F(MainWindowFrame, CaptionIsAlsoTheHostCaption)
{
    form->SetCaption("txt文件转换为htm文件");
    EXPECT_EQ(host.windowTitle(), "txt文件转换为htm文件");
    EXPECT_EQ(form->TitleBar()->Caption(), "txt文件转换为htm文件");
    EXPECT_EQ(form->Caption(), "txt文件转换为htm文件");
}

TEST_F(MainWindowFrame, ActivationDrivesFormActive)
{
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&host, &deactivate);
    EXPECT_FALSE(form->TitleBar()->FormActive());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&host, &activate);
    EXPECT_TRUE(form->TitleBar()->FormActive());
}

TEST_F(MainWindowFrame, SecondFrameIsRefused)
{
    try {
        new TvekForm(&host);
        FAIL() << "no exception";
    } catch (const EvekFormError &e) {
        EXPECT_STREQ(e.what(), "Sorry, You can create only one TvekForm component in one form!");
    }
    EXPECT_EQ(host.findChildren<TvekForm *>(Qt::FindDirectChildrenOnly).size(), 1);
    EXPECT_EQ(host.size(), QSize(720, 328));
}

TEST_F(MainWindowFrame, FormPanelCannotBeTheFrameItself)
{
    form->SetFormPanel(form);
    EXPECT_EQ(form->FormPanel(), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Sorry, you can't select the Form assign to FormPanel property");
    EXPECT_EQ(dialogs.messages[0].kind, TMessageBoxKind::ErrorOk);
    auto *panel = new QWidget(form);
    form->SetFormPanel(panel);
    EXPECT_EQ(panel->geometry(), QRect(0, 32, 718, 327 - 32));
}

TEST_F(MainWindowFrame, StyleChangeReachesControlsOnlyWhenAsked)
{
    auto *button = new TvekButton(form);
    ASSERT_EQ(button->UIStyle(), TvekUIStyle::DeepBlue);
    form->SetUIStyle(TvekUIStyle::MacOS);
    EXPECT_EQ(button->UIStyle(), TvekUIStyle::DeepBlue);
    form->SetUIStyleAutoUpdateSub(true);
    form->SetUIStyle(TvekUIStyle::WinXP);
    EXPECT_EQ(button->UIStyle(), TvekUIStyle::WinXP);
}

// The hit test: zones 5 pixels deep, corners first.
TEST_F(MainWindowFrame, ResizeZones)
{
    struct Case
    {
        QPoint pos;
        int expected;
    };
    const Case cases[] = {
        {{4, 164}, vekHTLeft},     {{5, 164}, vekHTClient},        {{0, 4}, vekHTTopLeft},
        {{0, 5}, vekHTLeft},       {{719, 0}, vekHTTopRight},      {{715, 100}, vekHTClient},
        {{716, 100}, vekHTRight},  {{719, 327}, vekHTBottomRight}, {{0, 327}, vekHTBottomLeft},
        {{360, 323}, vekHTClient}, {{360, 324}, vekHTBottom},      {{360, 2}, vekHTTop},
    };
    for (const Case &c : cases)
        EXPECT_EQ(form->HitTest(c.pos), c.expected) << c.pos.x() << "," << c.pos.y();
    EXPECT_EQ(form->HitTest(QPoint(5, 164), 0), 0); // the saved result stays
}

TEST(FrameZones, NoneForAFixedBorderOrAMaximisedHost)
{
    TForm dialog;
    dialog.SetBorderStyle(TFormBorderStyle::bsDialog);
    TvekForm fixed(&dialog);
    EXPECT_EQ(fixed.HitTest(QPoint(0, 100)), vekHTClient);

    TForm host;
    TvekForm form(&host);
    form.SetWidth(300);
    form.SetHeight(200);
    EXPECT_EQ(form.HitTest(QPoint(0, 100)), vekHTLeft);
    host.show();
    host.showMaximized();
    EXPECT_EQ(form.HitTest(QPoint(0, 100)), vekHTClient);
}

TEST_F(MainWindowFrame, BorderShowsResizeCursors)
{
    host.show();
    SendMouse(&host, QEvent::MouseMove, QPoint(0, 100), Qt::NoButton);
    EXPECT_EQ(host.cursor().shape(), Qt::SizeHorCursor);
    SendMouse(&host, QEvent::MouseMove, QPoint(719, 327), Qt::NoButton);
    EXPECT_EQ(host.cursor().shape(), Qt::SizeFDiagCursor);
    SendMouse(&host, QEvent::MouseMove, QPoint(2, 327), Qt::NoButton);
    EXPECT_EQ(host.cursor().shape(), Qt::SizeBDiagCursor);
    SendMouse(&host, QEvent::MouseMove, QPoint(360, 327), Qt::NoButton);
    EXPECT_EQ(host.cursor().shape(), Qt::SizeVerCursor);
    // Onto the panel: the resize cursor must not stay.
    QEnterEvent enter(QPointF(100, 100), QPointF(100, 100), QPointF(100, 100));
    QApplication::sendEvent(form, &enter);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowFrame, DraggingTheBorderResizesWithinTheLimits)
{
    host.move(20, 30);
    host.show();
    // The offscreen platform has no system sizing: the frame sizes itself.
    SendMouse(&host, QEvent::MouseButtonPress, QPoint(719, 327));
    SendMouse(&host, QEvent::MouseMove, QPoint(719 + 40, 327 + 30));
    SendMouse(&host, QEvent::MouseButtonRelease, QPoint(719 + 40, 327 + 30));
    EXPECT_EQ(host.geometry(), QRect(20, 30, 760, 358));
    EXPECT_EQ(form->geometry(), QRect(1, 0, 758, 357));
    // Dragging the left edge keeps the right edge and stops at the minimum.
    SendMouse(&host, QEvent::MouseButtonPress, QPoint(0, 100));
    SendMouse(&host, QEvent::MouseMove, QPoint(700, 100));
    SendMouse(&host, QEvent::MouseButtonRelease, QPoint(700, 100));
    EXPECT_EQ(host.width(), 130);
    EXPECT_EQ(host.x() + host.width(), 20 + 760);
}

TEST_F(MainWindowFrame, MenuBarUnderTheTitleBar)
{
    QMenuBar menu(&host);
    QMenu *file = menu.addMenu("&File");
    QAction *open = file->addAction("Open");
    open->setShortcut(QKeySequence("Ctrl+O"));
    menu.addMenu("&Help");
    form->SetMenu(&menu);
    QWidget *bar = form->MenuBarWidget();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 32, 718, 22));
    form->SetMenuBarHeight(25);
    EXPECT_EQ(bar->height(), 25);
    // Whatever the menu holds, the bar does not hide the menu's items: one
    // item more widens the row of buttons.
    const QImage before = bar->grab().toImage();
    menu.addMenu("&Tools");
    EXPECT_NE(bar->grab().toImage(), before);
    form->SetMenu(nullptr);
    EXPECT_EQ(form->MenuBarWidget(), nullptr);
}

TEST_F(MainWindowFrame, MenuShortCutIsConsumedApplicationWide)
{
    QMenuBar menu;
    QMenu *file = menu.addMenu("&File");
    QAction *open = file->addAction("Open");
    open->setShortcut(QKeySequence("Ctrl+O"));
    int triggered = 0;
    QObject::connect(open, &QAction::triggered, [&] { ++triggered; });
    form->SetMenu(&menu);
    QWidget elsewhere;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::sendEvent(&elsewhere, &key));
    EXPECT_EQ(triggered, 1);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
    QApplication::sendEvent(&elsewhere, &other);
    EXPECT_EQ(triggered, 1);
    form->SetMenu(nullptr);
}

TEST_F(MainWindowFrame, MaximiseButtonFillsTheWorkAreaAndRestores)
{
    host.move(40, 50);
    host.show();
    const QRect normal = host.geometry();
    TvekTitleBar *bar = form->TitleBar();
    const QPoint max = bar->ButtonRects()[2].center();
    SendMouse(bar, QEvent::MouseButtonPress, max);
    SendMouse(bar, QEvent::MouseButtonRelease, max);
    EXPECT_TRUE(host.isMaximized());
    EXPECT_EQ(host.geometry(), GetWorkAreaRect());
    EXPECT_EQ(form->geometry(), QRect(1, 0, host.width() - 2, host.height() - 1));
    const QPoint restore = bar->ButtonRects()[2].center(); // the row moved right
    EXPECT_GT(restore.x(), max.x());
    SendMouse(bar, QEvent::MouseButtonPress, restore);
    SendMouse(bar, QEvent::MouseButtonRelease, restore);
    EXPECT_FALSE(host.isMaximized());
    EXPECT_EQ(host.geometry(), normal);
}

} // namespace
