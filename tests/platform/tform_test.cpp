#include "desktop.h"
#include "tform.h"

#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the form modally with an action queued for the loop; a second timer
// ends the loop with 99 should the action fail to, so no test can hang.
int RunModal(TForm &form, std::function<void()> action)
{
    QTimer::singleShot(0, &form, std::move(action));
    QTimer::singleShot(5000, &form, [&form] {
        if (form.isVisible())
            static_cast<QDialog &>(form).done(99);
    });
    return form.ShowModal();
}

} // namespace

TEST(TForm, NonZeroModalResultEndsTheModalLoop)
{
    TForm form;
    EXPECT_EQ(RunModal(form, [&] { form.SetModalResult(mrOk); }), mrOk);
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.IsModal());

    EXPECT_EQ(RunModal(form, [&] { form.SetModalResult(mrNo); }), mrNo);
}

TEST(TForm, ZeroModalResultKeepsTheLoopRunning)
{
    TForm form;
    const int result = RunModal(form, [&] {
        form.SetModalResult(mrNone);
        EXPECT_TRUE(form.isVisible());
        form.SetModalResult(mrRetry);
    });
    EXPECT_EQ(result, mrRetry);
}

TEST(TForm, ClosingAModalFormWithoutResultGivesCancel)
{
    TForm form;
    EXPECT_EQ(RunModal(form, [&] { form.Close(); }), mrCancel);
    // The window manager's close request arrives as a close event.
    EXPECT_EQ(RunModal(form, [&] { form.close(); }), mrCancel);
}

TEST(TForm, EscapeDoesNotEndTheModalLoop)
{
    TForm form;
    const int result = RunModal(form, [&] {
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        form.SetModalResult(mrIgnore);
    });
    EXPECT_EQ(result, mrIgnore);
}

TEST(TForm, AFormShownNormallyOnlyHidesOnClose)
{
    TForm form;
    form.Show();
    EXPECT_TRUE(form.isVisible());
    form.SetModalResult(mrOk); // recorded, nothing ends
    EXPECT_TRUE(form.isVisible());
    form.Close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST(TForm, ScreenCentrePositionCentresOnTheWorkArea)
{
    TForm form;
    form.setWindowFlag(Qt::FramelessWindowHint);
    form.resize(200, 100);
    form.SetPosition(TPosition::poScreenCenter);
    form.Show();
    const QRect area = GetWorkArea();
    EXPECT_EQ(form.frameGeometry().x(), area.x() + (area.width() - 200) / 2);
    EXPECT_EQ(form.frameGeometry().y(), area.y() + (area.height() - 100) / 2);
    form.Close();
}

TEST(TForm, DesignedPositionIsKept)
{
    TForm form;
    form.setWindowFlag(Qt::FramelessWindowHint);
    form.setGeometry(13, 17, 120, 80);
    form.Show();
    EXPECT_EQ(form.geometry().topLeft(), QPoint(13, 17));
    form.Close();
}

TEST(TForm, SizeConstraintsBoundTheSize)
{
    TForm form;
    form.SetMinSize(130, 0);
    form.SetMaxSize(0, 300);
    form.resize(50, 500);
    EXPECT_EQ(form.width(), 130);
    EXPECT_EQ(form.height(), 300);
    form.resize(2000, 20);
    EXPECT_EQ(form.size(), QSize(2000, 20));
}

TEST(TForm, ActiveControlTakesTheFocusWhenShown)
{
    TForm form;
    auto *first = new QWidget(&form);
    auto *second = new QWidget(&form);
    first->setFocusPolicy(Qt::StrongFocus);
    second->setFocusPolicy(Qt::StrongFocus);
    form.SetActiveControl(second);
    form.Show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(form.ActiveControl(), second);
    EXPECT_EQ(form.focusWidget(), second);
    form.Close();
}

TEST(TForm, ParentFormIsTheTopLevelForm)
{
    TForm form;
    auto *panel = new QWidget(&form);
    auto *control = new QWidget(panel);
    EXPECT_EQ(GetParentForm(control), &form);
    EXPECT_EQ(GetParentForm(&form), &form);
    QWidget loose;
    EXPECT_EQ(GetParentForm(&loose), nullptr);
    EXPECT_EQ(GetParentForm(nullptr), nullptr);
}

namespace {

// Records where the form and its native window stand when the form is shown.
class TShowProbe : public QObject
{
public:
    QPoint formPos;
    QPoint windowPos;
    bool seen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !seen) {
            auto *form = static_cast<TForm *>(watched);
            seen = true;
            formPos = form->pos();
            windowPos = form->windowHandle() ? form->windowHandle()->position() : QPoint(-1, -1);
        }
        return false;
    }
};

} // namespace

// A centred form is placed while it is still hidden: when the native window
// appears it already stands at its place, so Qt's idea of its position and
// the window system's agree (a move after mapping breaks caption drags under
// a window manager).
TEST(TForm, PlacedBeforeItIsShown)
{
    TForm form;
    form.setWindowFlags(form.windowFlags() | Qt::FramelessWindowHint); // as a skinned window
    form.resize(334, 169);
    form.SetPosition(TPosition::poScreenCenter);
    TShowProbe probe;
    form.installEventFilter(&probe);
    form.show();
    const QRect area = GetWorkArea(form.geometry().center());
    const QPoint centred(area.x() + (area.width() - 334) / 2, area.y() + (area.height() - 169) / 2);
    ASSERT_TRUE(probe.seen);
    EXPECT_EQ(probe.formPos, centred);
    EXPECT_EQ(probe.windowPos, centred) << probe.windowPos.x() << "," << probe.windowPos.y();
    EXPECT_EQ(form.pos(), centred);
    form.hide();
}

// The first form without a parent is the main form, a normal window; a later
// one is a dialog, transient for the main form once shown.
TEST(TForm, FirstParentlessFormIsTheMainForm)
{
    if (TForm::MainForm())
        GTEST_SKIP() << "a main form already exists";
    TForm main;
    TForm dialog;
    EXPECT_EQ(TForm::MainForm(), &main);
    EXPECT_EQ(main.windowType(), Qt::Window);
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    main.show();
    dialog.show();
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), main.windowHandle());
    EXPECT_EQ(main.windowHandle()->transientParent(), nullptr);
}
