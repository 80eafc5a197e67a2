#include "desktop.h"
#include "tform.h"

#include <QTest>
#include <QTimer>

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
