#include "frminput.h"
#include "frmmessage.h"
#include "frmpassword.h"
#include "scripteddialogservices.h"
#include "skinnedwindow.h"
#include "tform.h"
#include "vekbutton.h"
#include "vekdlg.h"
#include "vekform.h"
#include "vekscrollbar.h"
#include "vektitlebar.h"
#include "vektrackbar.h"
#include "vekurllabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

QAccessibleInterface *Iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject *object)
{
    return Iface(object)->text(QAccessible::Name);
}

QStringList Actions(QAccessibleInterface *iface)
{
    QAccessibleActionInterface *actions = iface->actionInterface();
    return actions ? actions->actionNames() : QStringList();
}

void Act(QAccessibleInterface *iface, const QString &action)
{
    iface->actionInterface()->doAction(action);
}

// Accessible actions run from the event loop, as a click arrives.
void RunQueued()
{
    QCoreApplication::sendPostedEvents();
}

const QString press = QAccessibleActionInterface::pressAction();
const QString toggle = QAccessibleActionInterface::toggleAction();

} // namespace

// ---------------------------------------------------------------------------
// Push button and image button

class AccessibleButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.resize(300, 200);
        button = new TvekButton(&host);
        button->SetCaption(QStringLiteral("打开(&O)"));
        button->SetModalResult(mrOk);
    }

    TForm host;
    TvekButton *button = nullptr;
};

TEST_F(AccessibleButton, RoleNameAndShortcut)
{
    QAccessibleInterface *iface = Iface(button);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::PushButton);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("打开(O)"));
    EXPECT_EQ(iface->text(QAccessible::Accelerator), QStringLiteral("Alt+O"));
    EXPECT_EQ(iface->actionInterface()->keyBindingsForAction(press),
              QStringList{QStringLiteral("Alt+O")});
}

TEST_F(AccessibleButton, AmpersandsAndNamesGivenByTheProgram)
{
    button->SetCaption(QStringLiteral("R&&D"));
    EXPECT_EQ(Name(button), QStringLiteral("R&D"));
    EXPECT_EQ(Iface(button)->text(QAccessible::Accelerator), QString());
    button->setAccessibleName(QStringLiteral("研究"));
    EXPECT_EQ(Name(button), QStringLiteral("研究"));
}

TEST_F(AccessibleButton, HintIsTheDescription)
{
    button->setToolTip(QStringLiteral("添加文件"));
    EXPECT_EQ(Iface(button)->text(QAccessible::Description), QStringLiteral("添加文件"));
}

TEST_F(AccessibleButton, States)
{
    QAccessibleInterface *iface = Iface(button);
    button->SetTabStop(false);
    EXPECT_FALSE(iface->state().focusable) << "no tab stop, no keyboard focus";
    button->SetTabStop(true);
    EXPECT_TRUE(iface->state().focusable);
    EXPECT_FALSE(iface->state().defaultButton);
    button->SetDefault(true);
    EXPECT_TRUE(iface->state().defaultButton);
    EXPECT_FALSE(iface->state().disabled);
    button->SetEnabled(false);
    EXPECT_TRUE(iface->state().disabled);
    EXPECT_TRUE(Actions(iface).isEmpty());
}

TEST_F(AccessibleButton, FocusedState)
{
    button->SetTabStop(true);
    host.show();
    QApplication::setActiveWindow(&host);
    button->setFocus();
    EXPECT_TRUE(Iface(button)->state().focused);
}

// The press is the click: the form's modal result first, then OnClick, and
// only once the caller has been answered.
TEST_F(AccessibleButton, PressClicksLikeTheMouse)
{
    std::vector<int> resultsSeen;
    button->OnClick = [&](QObject *) { resultsSeen.push_back(host.ModalResult()); };
    QAccessibleInterface *iface = Iface(button);
    EXPECT_EQ(Actions(iface), QStringList{press});
    Act(iface, press);
    EXPECT_TRUE(resultsSeen.empty()) << "clicked before the caller was answered";
    RunQueued();
    EXPECT_EQ(resultsSeen, std::vector<int>{mrOk});
}

TEST_F(AccessibleButton, PressOnADisabledButtonDoesNothing)
{
    int clicks = 0;
    button->OnClick = [&](QObject *) { ++clicks; };
    QAccessibleInterface *iface = Iface(button);
    Act(iface, press);
    button->SetEnabled(false); // disabled before the click arrives
    RunQueued();
    Act(iface, press);
    RunQueued();
    EXPECT_EQ(clicks, 0);
}

TEST_F(AccessibleButton, PressAfterTheButtonIsGone)
{
    Act(Iface(button), press);
    delete button;
    RunQueued(); // nothing left to click, nothing crashes
    SUCCEED();
}

TEST(AccessibleImageButton, NamedByAccessibleNameElseHint)
{
    TForm host;
    auto *button = new TvekImageButton(&host);
    button->setToolTip(QStringLiteral("上一页"));
    EXPECT_EQ(Iface(button)->role(), QAccessible::PushButton);
    EXPECT_EQ(Name(button), QStringLiteral("上一页"));
    button->setAccessibleName(QStringLiteral("后退"));
    EXPECT_EQ(Name(button), QStringLiteral("后退"));
    int clicks = 0;
    button->OnClick = [&](QObject *) { ++clicks; };
    Act(Iface(button), press);
    RunQueued();
    EXPECT_EQ(clicks, 1);
}

// A control class of the program that derives from a skinned one.
class TProgramButton : public TvekButton
{
    Q_OBJECT

public:
    using TvekButton::TvekButton;
};

TEST(AccessibleFactory, SubclassesOfSkinnedControlsAreCovered)
{
    TForm host;
    auto *button = new TProgramButton(&host);
    button->SetCaption(QStringLiteral("确定"));
    EXPECT_EQ(Iface(button)->role(), QAccessible::PushButton);
    EXPECT_EQ(Name(button), QStringLiteral("确定"));
}

// ---------------------------------------------------------------------------
// Check box and radio button

TEST(AccessibleCheckBox, RoleNameCheckedAndToggle)
{
    TForm host;
    auto *box = new TvekCheckBox(&host);
    box->SetCaption(QStringLiteral("使用&html标记"));
    bool seenInClick = false;
    box->OnClick = [&](QObject *) { seenInClick = box->Checked(); };
    QAccessibleInterface *iface = Iface(box);
    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("使用html标记"));
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);
    box->SetChecked(true);
    EXPECT_TRUE(iface->state().checked);
    EXPECT_EQ(Actions(iface), (QStringList{toggle, press}));

    Act(iface, toggle);
    RunQueued();
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(iface->state().checked);
    EXPECT_FALSE(seenInClick) << "OnClick sees the new state";
    Act(iface, press);
    RunQueued();
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(seenInClick);
}

TEST(AccessibleCheckBox, DisabledOffersNoAction)
{
    TForm host;
    auto *box = new TvekCheckBox(&host);
    box->SetEnabled(false);
    EXPECT_TRUE(Iface(box)->state().disabled);
    EXPECT_TRUE(Actions(Iface(box)).isEmpty());
    Act(Iface(box), toggle);
    RunQueued();
    EXPECT_FALSE(box->Checked());
}

TEST(AccessibleRadioButton, PressSetsItAndClearsTheGroup)
{
    TForm host;
    auto *first = new TvekRadioButton(&host);
    auto *second = new TvekRadioButton(&host);
    first->SetChecked(true);
    QAccessibleInterface *iface = Iface(second);
    EXPECT_EQ(iface->role(), QAccessible::RadioButton);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("vekRadioButton"));
    Act(iface, press);
    RunQueued();
    EXPECT_TRUE(iface->state().checked);
    EXPECT_FALSE(Iface(first)->state().checked);
    Act(iface, toggle); // a checked radio button stays checked
    RunQueued();
    EXPECT_TRUE(second->Checked());
}

// ---------------------------------------------------------------------------
// Link label

TEST(AccessibleLinkLabel, RoleNameAddressAndOpen)
{
    ScriptedDialogServices services;
    TForm host;
    auto *link = new TvekURLLabel(&host);
    link->SetCaption(QStringLiteral("访问作者主页    "));
    link->SetURL(QStringLiteral("https://example.org/"));
    int clicks = 0;
    link->OnClick = [&](QObject *) { ++clicks; };
    QAccessibleInterface *iface = Iface(link);
    EXPECT_EQ(iface->role(), QAccessible::Link);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("访问作者主页"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("https://example.org/"));
    EXPECT_TRUE(iface->state().linked);
    EXPECT_EQ(Actions(iface), QStringList{press});
    Act(iface, press);
    EXPECT_TRUE(services.opened.isEmpty());
    RunQueued();
    EXPECT_EQ(services.opened, QStringList{QStringLiteral("https://example.org/")});
    EXPECT_EQ(clicks, 1);
}

// ---------------------------------------------------------------------------
// Title bar and skinned frame

class AccessibleTitleBar : public SkinnedWindowTest
{
protected:
    void SetUp() override
    {
        MakeFrame(400, 200);
        form->SetCaption(QStringLiteral("对文本大小进行详细设置"));
        host.show();
    }

    TvekTitleBar *bar() const { return form->TitleBar(); }

    QStringList ChildNames() const
    {
        QStringList names;
        QAccessibleInterface *iface = Iface(bar());
        for (int i = 0; i < iface->childCount(); ++i)
            names << iface->child(i)->text(QAccessible::Name);
        return names;
    }
};

TEST_F(AccessibleTitleBar, WindowAndBarNamedByTheCaption)
{
    EXPECT_EQ(Name(&host), QStringLiteral("对文本大小进行详细设置"));
    EXPECT_EQ(Iface(&host)->role(), QAccessible::Window);
    EXPECT_EQ(Iface(bar())->role(), QAccessible::TitleBar);
    EXPECT_EQ(Name(bar()), QStringLiteral("对文本大小进行详细设置"));
}

TEST_F(AccessibleTitleBar, ButtonsAreNamedPushButtonChildren)
{
    TvekTitleBarButtons *buttons = bar()->Buttons();
    buttons->Clear();
    const TvekTitleBarBtnType types[] = {
        TvekTitleBarBtnType::vekControlBox, TvekTitleBarBtnType::vekClose,
        TvekTitleBarBtnType::vekMin,        TvekTitleBarBtnType::vekMax,
        TvekTitleBarBtnType::vekHelp,       TvekTitleBarBtnType::vekCustom};
    for (TvekTitleBarBtnType type : types) {
        TvekTitleBarButton *button = buttons->Add();
        button->SetButtonType(type);
        button->LoadPictures();
    }
    EXPECT_EQ(ChildNames(), (QStringList{QStringLiteral("控制菜单"), QStringLiteral("关闭"),
                                         QStringLiteral("最小化"), QStringLiteral("最大化"),
                                         QStringLiteral("帮助"), QStringLiteral("按钮6")}));
    QAccessibleInterface *barIface = Iface(bar());
    const QRect barRect = barIface->rect();
    for (int i = 0; i < barIface->childCount(); ++i) {
        QAccessibleInterface *child = barIface->child(i);
        EXPECT_EQ(child->role(), QAccessible::PushButton);
        EXPECT_EQ(child->parent(), barIface);
        EXPECT_EQ(barIface->indexOfChild(child), i);
        EXPECT_EQ(barIface->child(i), child) << "a button keeps its interface";
        EXPECT_EQ(Actions(child), QStringList{press});
        if (types[i] == TvekTitleBarBtnType::vekCustom) {
            EXPECT_TRUE(child->state().invisible) << "a custom button without a picture";
            continue;
        }
        EXPECT_FALSE(child->state().invisible) << i;
        EXPECT_TRUE(barRect.contains(child->rect())) << i;
        EXPECT_EQ(barIface->childAt(child->rect().center().x(), child->rect().center().y()), child);
    }
}

TEST_F(AccessibleTitleBar, CloseButtonClosesTheWindow)
{
    QAccessibleInterface *barIface = Iface(bar());
    const int close = ChildNames().indexOf(QStringLiteral("关闭"));
    ASSERT_GE(close, 0);
    ASSERT_TRUE(host.isVisible());
    Act(barIface->child(close), press);
    EXPECT_TRUE(host.isVisible()) << "the caller is answered first";
    RunQueued();
    EXPECT_FALSE(host.isVisible());
}

TEST_F(AccessibleTitleBar, MaximiseTurnsIntoRestore)
{
    const int max = ChildNames().indexOf(QStringLiteral("最大化"));
    ASSERT_GE(max, 0);
    Act(Iface(bar())->child(max), press);
    RunQueued();
    EXPECT_TRUE(host.isMaximized());
    EXPECT_EQ(ChildNames().at(max), QStringLiteral("还原"));
}

TEST_F(AccessibleTitleBar, HelpAndCustomButtonsRaiseTheBarsEvents)
{
    TvekTitleBarButtons *buttons = bar()->Buttons();
    buttons->Clear();
    buttons->Add()->SetButtonType(TvekTitleBarBtnType::vekHelp);
    buttons->Add()->SetButtonType(TvekTitleBarBtnType::vekCustom);
    std::vector<int> help, custom;
    bar()->OnHelpBtnClick = [&](TvekTitleBar *, int index) { help.push_back(index); };
    bar()->OnCustomBtnsClick = [&](TvekTitleBar *, int index) { custom.push_back(index); };
    Act(Iface(bar())->child(0), press);
    Act(Iface(bar())->child(1), press);
    RunQueued();
    EXPECT_EQ(help, std::vector<int>{0});
    EXPECT_EQ(custom, std::vector<int>{1});
}

TEST_F(AccessibleTitleBar, RemovedButtonIsNoLongerValid)
{
    QAccessibleInterface *last = Iface(bar())->child(Iface(bar())->childCount() - 1);
    ASSERT_TRUE(last->isValid());
    bar()->Buttons()->Delete(bar()->Buttons()->Count() - 1);
    EXPECT_FALSE(last->isValid());
    EXPECT_EQ(Iface(bar())->indexOfChild(last), -1);
}

// ---------------------------------------------------------------------------
// Scroll bar and track bar

TEST(AccessibleScrollBar, ValueInterface)
{
    TForm host;
    auto *bar = new TvekScrollBar(&host);
    bar->SetMin(5);
    bar->SetMax(50);
    bar->SetSmallChange(3);
    bar->SetPosition(20);
    QAccessibleInterface *iface = Iface(bar);
    EXPECT_EQ(iface->role(), QAccessible::ScrollBar);
    EXPECT_EQ(iface->childCount(), 0) << "arrows and track are parts of the bar";
    QAccessibleValueInterface *value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 20);
    EXPECT_EQ(value->minimumValue().toInt(), 5);
    EXPECT_EQ(value->maximumValue().toInt(), 50);
    EXPECT_EQ(value->minimumStepSize().toInt(), 3);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("20"));
    value->setCurrentValue(99);
    EXPECT_EQ(bar->Position(), 50) << "clamped by the bar";
}

TEST(AccessibleTrackBar, ValueInterface)
{
    TForm host;
    auto *bar = new TvekTrackBar(&host);
    bar->SetPosition(30);
    QAccessibleInterface *iface = Iface(bar);
    EXPECT_EQ(iface->role(), QAccessible::Slider);
    QAccessibleValueInterface *value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 30);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);
    int changes = 0;
    bar->OnChange = [&](QObject *) { ++changes; };
    value->setCurrentValue(40);
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(changes, 1) << "set through the bar's own setter";
}

// ---------------------------------------------------------------------------
// Message, input and password dialogs

namespace {

// Runs the dialog and calls inspect on its window while it runs modally.
template <typename W>
void InspectModal(const std::function<int()> &show, const std::function<void(W *)> &inspect)
{
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        if (auto *window = qobject_cast<W *>(QApplication::activeModalWidget())) {
            inspected = true;
            inspect(window);
            window->close();
        }
    });
    QTimer fallback;
    fallback.setInterval(2000);
    QObject::connect(&fallback, &QTimer::timeout, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    fallback.start();
    show();
    EXPECT_TRUE(inspected) << "the window was not running modally";
}

struct MessageCase
{
    TvekIconType icon;
    QAccessible::Role role;
};

class AccessibleMessageDialog : public ::testing::TestWithParam<MessageCase>
{
};

} // namespace

TEST_P(AccessibleMessageDialog, RoleNameAndMessage)
{
    TvekMessageDialog dialog;
    dialog.SetCaption(QStringLiteral("警告"));
    dialog.SetText(QStringLiteral("请先在列表框中选中要删除的文件！"));
    dialog.SetIconType(GetParam().icon);
    QAccessible::Role role{};
    QString name, description, labelName;
    QAccessible::Role labelRole{};
    InspectModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                          [&](TfrmMsg *frm) {
                              QAccessibleInterface *iface = Iface(frm);
                              role = iface->role();
                              name = iface->text(QAccessible::Name);
                              description = iface->text(QAccessible::Description);
                              labelRole = Iface(frm->lbl)->role();
                              labelName = Name(frm->lbl);
                          });
    EXPECT_EQ(role, GetParam().role);
    EXPECT_EQ(name, QStringLiteral("警告"));
    EXPECT_EQ(description, QStringLiteral("请先在列表框中选中要删除的文件！"));
    EXPECT_EQ(labelRole, QAccessible::StaticText);
    EXPECT_EQ(labelName, QStringLiteral("请先在列表框中选中要删除的文件！"));
}

INSTANTIATE_TEST_SUITE_P(
    Icons, AccessibleMessageDialog,
    ::testing::Values(MessageCase{TvekIconType::vekWarning, QAccessible::AlertMessage},
                      MessageCase{TvekIconType::vekStop, QAccessible::AlertMessage},
                      MessageCase{TvekIconType::vekInformation, QAccessible::Dialog},
                      MessageCase{TvekIconType::vekHelp, QAccessible::Dialog},
                      MessageCase{TvekIconType::vekNone, QAccessible::Dialog}));

TEST(AccessibleInputDialog, EditLabelledByThePrompt)
{
    TvekInputDialog dialog;
    dialog.SetCaption(QStringLiteral("输入"));
    dialog.SetPromptText(QStringLiteral("文件名："));
    QString windowName, editName;
    QAccessible::Role role{};
    InspectModal<TfrmInput>([&] { return dialog.ShowModal(); },
                            [&](TfrmInput *frm) {
                                role = Iface(frm)->role();
                                windowName = Name(frm);
                                editName = Name(frm->edtValue);
                            });
    EXPECT_EQ(role, QAccessible::Dialog);
    EXPECT_EQ(windowName, QStringLiteral("输入"));
    EXPECT_EQ(editName, QStringLiteral("文件名："));
}

TEST(AccessiblePasswordDialog, EditsLabelledByTheirCaptions)
{
    TvekPasswordDialog dialog;
    dialog.SetItem1Caption(QStringLiteral("用户："));
    dialog.SetItem2Caption(QStringLiteral("密码："));
    QString first, second;
    InspectModal<TfrmPass>([&] { return dialog.ShowModal(); },
                           [&](TfrmPass *frm) {
                               first = Name(frm->edtItem1);
                               second = Name(frm->edtItem2);
                           });
    EXPECT_EQ(first, QStringLiteral("用户："));
    EXPECT_EQ(second, QStringLiteral("密码："));
}

// ---------------------------------------------------------------------------
// Events, seen through Qt's update handler. They need a platform with an
// accessibility bridge; CTest runs them again under X (see CMakeLists.txt).

namespace {

struct SeenEvent
{
    QObject *object;
    QAccessible::Event type;
    QVariant value;
    bool checkedChanged;
};

std::vector<SeenEvent> *seenEvents = nullptr;

void RecordEvent(QAccessibleEvent *event)
{
    if (!seenEvents)
        return;
    SeenEvent seen{event->object(), event->type(), {}, false};
    if (event->type() == QAccessible::ValueChanged)
        seen.value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
    if (event->type() == QAccessible::StateChanged)
        seen.checkedChanged =
            static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked;
    seenEvents->push_back(seen);
}

} // namespace

class AccessibleEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QAccessible::installUpdateHandler(RecordEvent);
        // The bridge turns itself on once the accessibility bus answers.
        QDeadlineTimer deadline(5000);
        while (!QAccessible::isActive() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!QAccessible::isActive())
            GTEST_SKIP() << "the platform " << qPrintable(QGuiApplication::platformName())
                         << " has no accessibility bridge";
        seenEvents = &events;
    }

    void TearDown() override
    {
        seenEvents = nullptr;
        QAccessible::installUpdateHandler(nullptr);
    }

    int Count(QObject *object, QAccessible::Event type) const
    {
        int n = 0;
        for (const SeenEvent &e : events)
            n += e.object == object && e.type == type;
        return n;
    }

    std::vector<SeenEvent> events;
};

TEST_F(AccessibleEvents, NameChangesWithTheCaption)
{
    TForm host;
    auto *button = new TvekButton(&host);
    auto *link = new TvekURLLabel(&host);
    auto *bar = new TvekTitleBar(&host);
    events.clear();
    button->SetCaption(QStringLiteral("新"));
    link->SetCaption(QStringLiteral("主页"));
    bar->SetCaption(QStringLiteral("标题"));
    EXPECT_EQ(Count(button, QAccessible::NameChanged), 1);
    EXPECT_EQ(Count(link, QAccessible::NameChanged), 1);
    EXPECT_EQ(Count(bar, QAccessible::NameChanged), 1);
    button->SetCaption(QStringLiteral("新"));
    bar->SetCaption(QStringLiteral("标题"));
    EXPECT_EQ(Count(button, QAccessible::NameChanged), 1) << "no event without a change";
    EXPECT_EQ(Count(bar, QAccessible::NameChanged), 1) << "no event without a change";
}

TEST_F(AccessibleEvents, WindowNameFollowsTheFrameCaption)
{
    TForm host;
    auto *form = new TvekForm(&host);
    events.clear();
    form->SetCaption(QStringLiteral("提示"));
    EXPECT_EQ(Count(&host, QAccessible::NameChanged), 1);
    EXPECT_EQ(Name(&host), QStringLiteral("提示"));
}

TEST_F(AccessibleEvents, CheckedStateChangesFromCodeAndFromTheUser)
{
    TForm host;
    auto *box = new TvekCheckBox(&host);
    events.clear();
    box->SetChecked(true);
    box->SetChecked(true);
    ASSERT_EQ(Count(box, QAccessible::StateChanged), 1);
    EXPECT_TRUE(events.back().checkedChanged);
    box->Click();
    EXPECT_EQ(Count(box, QAccessible::StateChanged), 2);

    auto *first = new TvekRadioButton(&host);
    auto *second = new TvekRadioButton(&host);
    first->SetChecked(true);
    events.clear();
    second->Click();
    EXPECT_EQ(Count(second, QAccessible::StateChanged), 1);
    EXPECT_EQ(Count(first, QAccessible::StateChanged), 1) << "the group's other button";
}

TEST_F(AccessibleEvents, ValueChangesOfScrollBarAndTrackBar)
{
    TForm host;
    auto *scroll = new TvekScrollBar(&host);
    auto *track = new TvekTrackBar(&host);
    events.clear();
    scroll->SetPosition(7);
    track->SetPosition(9);
    track->SetPosition(9);
    ASSERT_EQ(Count(scroll, QAccessible::ValueChanged), 1) << "the track speaks for the bar";
    EXPECT_EQ(Count(scroll->Track(), QAccessible::ValueChanged), 0);
    EXPECT_EQ(Count(track, QAccessible::ValueChanged), 1);
    for (const SeenEvent &e : events) {
        if (e.type == QAccessible::ValueChanged) {
            EXPECT_EQ(e.value.toInt(), e.object == scroll ? 7 : 9);
        }
    }
}

TEST_F(AccessibleEvents, FocusMovesBetweenSkinnedControls)
{
    TForm host;
    auto *first = new TvekButton(&host);
    auto *second = new TvekCheckBox(&host);
    first->SetTabStop(true);
    second->SetTabStop(true);
    host.show();
    QApplication::setActiveWindow(&host);
    first->setFocus();
    events.clear();
    second->setFocus();
    EXPECT_EQ(Count(second, QAccessible::Focus), 1);
    first->setFocus();
    EXPECT_EQ(Count(first, QAccessible::Focus), 1);
}

#include "vekaccessibility_test.moc"
