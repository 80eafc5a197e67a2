// The skinned message dialog and its input and password sisters: layout,
// modal behaviour, properties. Every modal run is ended from a zero-delay
// timer armed before ShowModal, with a fallback that closes any window still
// open, so no test can hang.

#include "bitmapresource.h"
#include "desktop.h"
#include "frminput.h"
#include "frmmessage.h"
#include "frmpassword.h"
#include "scripteddialogservices.h"
#include "vekbutton.h"
#include "vekdlg.h"
#include "vekform.h"
#include "vekpublic.h"
#include "vekthemes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaProperty>
#include <QPointer>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct ButtonInfo
{
    QRect rect;
    QString caption;
    int modalResult;
    TvekUIStyle style;
    Qt::CursorShape cursor;
};

// What a message window looked like while it ran.
struct MsgSnapshot
{
    bool found = false;
    QRect window;
    QRect label;
    bool imageVisible = false;
    QRect image;
    QImage picture;
    std::vector<ButtonInfo> buttons; // left to right
    QString activeCaption;
    bool modal = false;
    QString caption;
    TvekUIStyle frameStyle = TvekUIStyle::Custom;
    int labelPixelSize = 0;
};

// The buttons on a frame, left to right.
std::vector<TvekButton *> ButtonsOf(QWidget *frame)
{
    std::vector<TvekButton *> buttons;
    for (TvekButton *button : frame->findChildren<TvekButton *>())
        buttons.push_back(button);
    std::sort(buttons.begin(), buttons.end(),
              [](TvekButton *a, TvekButton *b) { return a->x() < b->x(); });
    return buttons;
}

MsgSnapshot Snap(TfrmMsg *frm)
{
    MsgSnapshot s;
    s.found = true;
    s.window = frm->geometry();
    s.label = frm->lbl->geometry();
    s.imageVisible = !frm->Image1->isHidden();
    s.image = frm->Image1->geometry();
    s.picture = frm->Image1->pixmap().toImage();
    for (TvekButton *b : ButtonsOf(frm->vekForm1))
        s.buttons.push_back(
            {b->geometry(), b->Caption(), b->ModalResult(), b->UIStyle(), b->cursor().shape()});
    if (auto *active = qobject_cast<TvekButton *>(frm->ActiveControl()))
        s.activeCaption = active->Caption();
    s.modal = frm->isModal();
    s.caption = frm->vekForm1->Caption();
    s.frameStyle = frm->vekForm1->UIStyle();
    s.labelPixelSize = frm->lbl->font().pixelSize();
    return s;
}

// Runs show() with act() called on the running window of type W once its
// loop has started; a fallback timer closes whatever is still open.
template <typename W> int RunModal(const std::function<int()> &show, std::function<void(W *)> act)
{
    bool acted = false;
    QTimer::singleShot(0, [&] {
        if (auto *window = qobject_cast<W *>(QApplication::activeModalWidget())) {
            acted = true;
            act(window);
        }
    });
    QTimer fallback;
    fallback.setInterval(2000);
    QObject::connect(&fallback, &QTimer::timeout, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    fallback.start();
    const int result = show();
    EXPECT_TRUE(acted) << "the window was not running modally";
    return result;
}

// Shows the dialog, records its window and clicks the button at the given
// index from the left (none for -1, which closes the window instead).
int ShowAndClick(TvekMessageDialog &dialog, MsgSnapshot &snapshot, int clickIndex = 0)
{
    return RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                             [&](TfrmMsg *frm) {
                                 snapshot = Snap(frm);
                                 const auto buttons = ButtonsOf(frm->vekForm1);
                                 if (clickIndex >= 0 && clickIndex < int(buttons.size()))
                                     QTest::mouseClick(buttons[clickIndex], Qt::LeftButton);
                                 else
                                     frm->close();
                             });
}

std::vector<int> Lefts(const MsgSnapshot &s)
{
    std::vector<int> lefts;
    for (const ButtonInfo &b : s.buttons)
        lefts.push_back(b.rect.x());
    return lefts;
}

QPoint CentredOnWorkArea(const QSize &size)
{
    const QRect area = GetWorkArea();
    return {area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2};
}

} // namespace

// The program's information message: one line, one "OK".
TEST(VekMessageDialog, WorkedExampleInformationOneLine)
{
    TvekMessageDialog dialog;
    dialog.SetCaption(QStringLiteral("提示"));
    dialog.SetIconType(TvekIconType::vekInformation);
    dialog.SetText(QStringLiteral("列表框中所有txt文件已经成功转换！"));
    MsgSnapshot s;
    EXPECT_EQ(ShowAndClick(dialog, s), 1);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.window.size(), QSize(334, 169));
    EXPECT_EQ(s.window.topLeft(), CentredOnWorkArea(QSize(334, 169)));
    EXPECT_EQ(s.label, QRect(88, 64, 225, 13));
    EXPECT_TRUE(s.imageVisible);
    EXPECT_EQ(s.image, QRect(24, 64, 42, 42));
    EXPECT_EQ(s.picture.convertToFormat(QImage::Format_RGB32),
              MaskedImage(LoadBitmapResource(QStringLiteral("MSGDLG_INFORMATION")))
                  .convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(s.buttons.size(), 1u);
    EXPECT_EQ(s.buttons[0].rect, QRect(237, 124, 73, 25));
    EXPECT_EQ(s.buttons[0].caption, QStringLiteral("OK"));
    EXPECT_EQ(s.buttons[0].cursor, Qt::PointingHandCursor);
    EXPECT_EQ(s.activeCaption, QStringLiteral("OK"));
    EXPECT_TRUE(s.modal);
    EXPECT_EQ(s.caption, QStringLiteral("提示"));
}

struct NoIconCase
{
    int count;
    int width;
    std::vector<int> lefts;
};

void PrintTo(const NoIconCase &c, std::ostream *os)
{
    *os << c.count << " button(s)";
}

class VekMessageDialogNoIcon : public ::testing::TestWithParam<NoIconCase>
{
};

// Without an icon the text moves to 24; the window narrows unless three
// buttons need the room.
TEST_P(VekMessageDialogNoIcon, WidthAndButtonPositions)
{
    const NoIconCase c = GetParam();
    TvekMessageDialog dialog;
    dialog.SetButtonCount(TvekDialogButtonsCount(c.count));
    MsgSnapshot s;
    ShowAndClick(dialog, s);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.window.size(), QSize(c.width, 169));
    EXPECT_EQ(s.label.topLeft(), QPoint(24, 64));
    EXPECT_FALSE(s.imageVisible);
    EXPECT_EQ(Lefts(s), c.lefts);
    for (const ButtonInfo &b : s.buttons)
        EXPECT_EQ(b.rect.top(), 124);
    EXPECT_EQ(s.activeCaption, QStringLiteral("OK"));
}

INSTANTIATE_TEST_SUITE_P(Counts, VekMessageDialogNoIcon,
                         ::testing::Values(NoIconCase{1, 270, {173}}, NoIconCase{2, 270, {80, 173}},
                                           NoIconCase{3, 334, {51, 144, 237}}),
                         [](const auto &info) { return std::to_string(info.param.count); });

// Left to right the buttons carry Button1..3; the middle one returns its result.
TEST(VekMessageDialog, ThreeButtonsCaptionsAndMiddleResult)
{
    TvekMessageDialog dialog;
    dialog.SetIconType(TvekIconType::vekWarning);
    dialog.SetButtonCount(3);
    dialog.SetButton1Caption(QStringLiteral("Yes"));
    dialog.SetButton2Caption(QStringLiteral("No"));
    dialog.SetButton3Caption(QStringLiteral("Abort"));
    dialog.SetButton1ModalResult(mrYes);
    dialog.SetButton2ModalResult(mrNo);
    dialog.SetButton3ModalResult(mrAbort);
    MsgSnapshot s;
    EXPECT_EQ(ShowAndClick(dialog, s, 1), mrNo);
    ASSERT_EQ(s.buttons.size(), 3u);
    EXPECT_EQ(s.buttons[0].caption, QStringLiteral("Yes"));
    EXPECT_EQ(s.buttons[1].caption, QStringLiteral("No"));
    EXPECT_EQ(s.buttons[2].caption, QStringLiteral("Abort"));
    EXPECT_EQ(s.buttons[0].modalResult, mrYes);
    EXPECT_EQ(s.buttons[2].modalResult, mrAbort);
    EXPECT_EQ(s.activeCaption, QStringLiteral("Yes"));
    EXPECT_EQ(Lefts(s), (std::vector<int>{51, 144, 237}));
}

struct TextCase
{
    const char *name;
    QString text;
    int labelHeight;
    int windowHeight;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.name;
}

class VekMessageDialogText : public ::testing::TestWithParam<TextCase>
{
};

// 13-pixel lines: up to three lines fit beside the icon; from four on the
// buttons and the bottom move down.
TEST_P(VekMessageDialogText, HeightFollowsLines)
{
    const TextCase c = GetParam();
    TvekMessageDialog dialog;
    dialog.SetIconType(TvekIconType::vekInformation);
    dialog.SetText(c.text);
    MsgSnapshot s;
    ShowAndClick(dialog, s);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.label.height(), c.labelHeight);
    EXPECT_EQ(s.window.size(), QSize(334, c.windowHeight));
    ASSERT_EQ(s.buttons.size(), 1u);
    EXPECT_EQ(s.buttons[0].rect, QRect(237, c.windowHeight - 45, 73, 25));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, VekMessageDialogText,
    ::testing::Values(
        TextCase{"Empty", QString(), 13, 169},
        TextCase{"ThreeLines", QStringLiteral("one\ntwo\nthree"), 39, 169},
        TextCase{"FourLines", QStringLiteral("one\ntwo\nthree\nfour"), 52, 181},
        TextCase{"CrLfBreaks", QStringLiteral("one\r\ntwo\r\nthree\r\nfour"), 52, 181},
        TextCase{"ChineseFourLines", QStringLiteral("第一行\n第二行\n第三行\n第四行"), 52, 181},
        // A line wider than 225 pixels wraps at a word boundary.
        TextCase{"WrappedWords",
                 QStringLiteral("The quick brown fox jumps over the lazy dog "
                                "and keeps running far away from here"),
                 26, 169}),
    [](const auto &info) { return std::string(info.param.name); });

// A very long text makes the window as tall as the work area, never wider;
// the buttons stay inside it and the label shows the whole lines that fit.
TEST(VekMessageDialog, LongTextGrowsUpToWorkArea)
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("line %1").arg(i);
    TvekMessageDialog dialog;
    dialog.SetIconType(TvekIconType::vekStop);
    dialog.SetText(lines.join(QLatin1Char('\n')));
    MsgSnapshot s;
    ShowAndClick(dialog, s);
    ASSERT_TRUE(s.found);
    const int height = GetWorkArea().height();
    EXPECT_EQ(s.window.size(), QSize(334, height));
    ASSERT_EQ(s.buttons.size(), 1u);
    EXPECT_EQ(s.buttons[0].rect, QRect(237, height - 45, 73, 25));
    EXPECT_EQ(s.label.height(), (height - 45 - 20 - 64) / 13 * 13);
}

// The window stands on the active window: a frameless, application-modal
// window transient for it.
TEST(VekMessageDialog, OnTopOfActiveWindow)
{
    TForm owner;
    owner.resize(200, 100);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    TvekMessageDialog dialog;
    QWidget *parent = nullptr;
    Qt::WindowFlags flags;
    Qt::WindowModality modality = Qt::NonModal;
    RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                      [&](TfrmMsg *frm) {
                          parent = frm->parentWidget();
                          flags = frm->windowFlags();
                          modality = frm->windowModality();
                          frm->close();
                      });
    EXPECT_EQ(parent, &owner);
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::Window));
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

// Escape ends the run as the close button does; Enter clicks the focused button.
TEST(VekMessageDialog, KeyboardEnterAndEscape)
{
    TvekMessageDialog dialog;
    dialog.SetButtonCount(2);
    dialog.SetButton1ModalResult(mrYes);
    dialog.SetButton2ModalResult(mrNo);
    const auto press = [&](Qt::Key key) {
        return RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                                 [key](TfrmMsg *frm) {
                                     // The window asks for the keyboard when it shows.
                                     EXPECT_TRUE(QTest::qWaitForWindowActive(frm));
                                     QWidget *target = frm->focusWidget();
                                     if (!target)
                                         target = frm->ActiveControl();
                                     QTest::keyClick(target, key);
                                 });
    };
    EXPECT_EQ(press(Qt::Key_Return), mrYes);
    EXPECT_EQ(press(Qt::Key_Escape), mrCancel);
}

// The title bar's close button ends with 2 whatever the buttons return.
TEST(VekMessageDialog, CloseButtonReturnsCancel)
{
    TvekMessageDialog dialog;
    dialog.SetButtonCount(3);
    dialog.SetButton1ModalResult(mrYes);
    dialog.SetButton2ModalResult(mrNo);
    dialog.SetButton3ModalResult(mrAbort);
    bool clicked = false;
    const int result =
        RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                          [&](TfrmMsg *frm) {
                              TvekTitleBar *bar = frm->vekForm1->TitleBar();
                              const std::vector<QRect> rects = bar->ButtonRects();
                              if (rects.empty() || rects[0].isEmpty())
                                  return;
                              clicked = true;
                              QTest::mouseMove(bar, rects[0].center());
                              QTest::mouseClick(bar, Qt::LeftButton, {}, rects[0].center());
                          });
    EXPECT_TRUE(clicked) << "no close button on the title bar";
    EXPECT_EQ(result, mrCancel);
}

// A fresh window each call, freed before ShowModal returns; the component
// itself stays as it was.
TEST(VekMessageDialog, WindowFreedAfterEachRun)
{
    TvekMessageDialog dialog;
    QPointer<TfrmMsg> first, second;
    RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                      [&](TfrmMsg *frm) {
                          first = frm;
                          frm->close();
                      });
    EXPECT_TRUE(first.isNull());
    RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                      [&](TfrmMsg *frm) {
                          second = frm;
                          frm->close();
                      });
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(dialog.Text(), QStringLiteral("Hello world!"));
    EXPECT_EQ(dialog.ButtonCount(), 1);
}

// The dialog's style reaches the frame and, through it, the new buttons; its
// font reaches the label.
TEST(VekMessageDialog, StyleAndFontReachTheWindow)
{
    TvekMessageDialog dialog;
    dialog.SetUIStyle(TvekUIStyle::WinXP);
    QFont font = TvekDialog::DefaultFont();
    font.setPixelSize(15);
    dialog.SetFont(font);
    dialog.SetButtonCount(2);
    MsgSnapshot s;
    ShowAndClick(dialog, s);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.frameStyle, TvekUIStyle::WinXP);
    ASSERT_EQ(s.buttons.size(), 2u);
    EXPECT_EQ(s.buttons[0].style, TvekUIStyle::WinXP);
    EXPECT_EQ(s.buttons[1].style, TvekUIStyle::WinXP);
    EXPECT_EQ(s.labelPixelSize, 15);
}

// A confirmation shows the question icon, yet only one "OK" returning 1.
TEST(VekMsgDlg, ConfirmationShowsQuestionIconAndOneOk)
{
    MsgSnapshot s;
    const int result = RunModal<TfrmMsg>(
        [] {
            return VEKMsgDlg(QStringLiteral("Continue?"), TMsgDlgType::mtConfirmation,
                             TMsgDlgBtn::mbYes | TMsgDlgBtn::mbNo | TMsgDlgBtn::mbCancel);
        },
        [&](TfrmMsg *frm) {
            s = Snap(frm);
            QTest::mouseClick(ButtonsOf(frm->vekForm1).at(0), Qt::LeftButton);
        });
    EXPECT_EQ(result, 1);
    ASSERT_TRUE(s.found);
    EXPECT_TRUE(s.imageVisible);
    EXPECT_EQ(s.picture.convertToFormat(QImage::Format_RGB32),
              MaskedImage(LoadBitmapResource(QStringLiteral("MSGDLG_QUESTION")))
                  .convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(s.buttons.size(), 1u);
    EXPECT_EQ(s.buttons[0].caption, QStringLiteral("OK"));
    EXPECT_EQ(s.caption, QStringLiteral("vekDialog"));
    EXPECT_EQ(s.window.size(), QSize(334, 169));
}

// Each kind maps to its icon; custom has none and the narrow window.
TEST(VekMsgDlg, KindsMapToIcons)
{
    const struct
    {
        TMsgDlgType type;
        const char *resource;
    } cases[] = {{TMsgDlgType::mtWarning, "MSGDLG_WARNING"},
                 {TMsgDlgType::mtError, "MSGDLG_ERROR"},
                 {TMsgDlgType::mtInformation, "MSGDLG_INFORMATION"},
                 {TMsgDlgType::mtCustom, nullptr}};
    for (const auto &c : cases) {
        MsgSnapshot s;
        RunModal<TfrmMsg>([&] { return VEKMsgDlg(QStringLiteral("x"), c.type, {}); },
                          [&](TfrmMsg *frm) {
                              s = Snap(frm);
                              frm->close();
                          });
        ASSERT_TRUE(s.found);
        EXPECT_EQ(s.imageVisible, c.resource != nullptr) << int(c.type);
        if (c.resource) {
            EXPECT_EQ(s.picture.convertToFormat(QImage::Format_RGB32),
                      MaskedImage(LoadBitmapResource(QString::fromLatin1(c.resource)))
                          .convertToFormat(QImage::Format_RGB32));
        } else {
            EXPECT_EQ(s.window.width(), 270);
        }
    }
}

// Custom is refused on all three dialogs with the plain box; the style stays.
TEST(VekDialog, CustomStyleRefused)
{
    TvekMessageDialog message;
    TvekInputDialog input;
    TvekPasswordDialog password;
    for (TvekDialog *dialog : std::initializer_list<TvekDialog *>{&message, &input, &password}) {
        ScriptedDialogServices boxes;
        dialog->SetUIStyle(TvekUIStyle::Protein);
        dialog->SetUIStyle(TvekUIStyle::Custom);
        EXPECT_EQ(dialog->UIStyle(), TvekUIStyle::Protein);
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0].text, QStringLiteral("Sorry, can't be custom style"));
        // The framework's plain message: one OK button, no Cancel.
        EXPECT_EQ(boxes.messages[0].kind, TMessageBoxKind::Ok);
    }
}

// The icons are see-through where the picture is clear: on a WinXP dialog
// the corners of the icon show the dialog's colour, not a grey square.
TEST(VekMessageDialog, IconShowsTheDialogColourAroundIt)
{
    // The styles whose panel is one plain colour.
    for (TvekUIStyle style : {TvekUIStyle::WinXP, TvekUIStyle::DeepBlue, TvekUIStyle::BlueGlass}) {
        TvekMessageDialog dialog;
        dialog.SetUIStyle(style);
        dialog.SetIconType(TvekIconType::vekInformation);
        QImage frame;
        QRect icon;
        RunModal<TfrmMsg>([&] { return dialog.ShowModal(); },
                          [&](TfrmMsg *frm) {
                              frame = frm->vekForm1->grab().toImage().convertToFormat(
                                  QImage::Format_RGB32);
                              icon = frm->Image1->geometry();
                              frm->close();
                          });
        ASSERT_FALSE(frame.isNull());
        const QRgb colour =
            ToQColor(ColorToRGB(GetThemeColor(style, TvekThemeElement::FormColor))).rgb();
        for (QPoint corner : {icon.topLeft(), icon.topRight(), icon.bottomLeft()})
            EXPECT_EQ(frame.pixel(corner), colour)
                << int(style) << " at " << corner.x() << "," << corner.y();
        EXPECT_NE(frame.pixel(icon.center()), colour);
    }
}

// The button count stays within 1..3.
TEST(VekMessageDialog, ButtonCountClamped)
{
    TvekMessageDialog dialog;
    dialog.SetButtonCount(0);
    EXPECT_EQ(dialog.ButtonCount(), 1);
    dialog.SetButtonCount(7);
    EXPECT_EQ(dialog.ButtonCount(), 3);
}

namespace {

struct Published
{
    const char *name;
    QVariant value;
};

// The class's own and inherited published properties after QObject's, in order.
void ExpectPublished(const QObject &object, const std::vector<Published> &expected)
{
    const QMetaObject *meta = object.metaObject();
    const int first = QObject::staticMetaObject.propertyCount();
    ASSERT_EQ(meta->propertyCount() - first, int(expected.size()));
    for (int i = 0; i < int(expected.size()); ++i) {
        const QMetaProperty property = meta->property(first + i);
        EXPECT_STREQ(property.name(), expected[i].name);
        EXPECT_EQ(property.read(&object), expected[i].value) << expected[i].name;
    }
}

QVariant V(const QString &s)
{
    return QVariant(s);
}

} // namespace

TEST(VekDialog, PublishedPropertiesAndDefaults)
{
    const QVariant font = QVariant(TvekDialog::DefaultFont());
    const QVariant centre = QVariant::fromValue(TPosition::poScreenCenter);
    const QVariant deepBlue = QVariant::fromValue(TvekUIStyle::DeepBlue);
    const QVariant hand = QVariant::fromValue(crHandPoint);
    const std::vector<Published> base = {{"Position", centre},
                                         {"Caption", V(QStringLiteral("vekDialog"))},
                                         {"UIStyle", deepBlue},
                                         {"Font", font},
                                         {"ButtonCursor", hand}};
    auto with = [&](std::vector<Published> own) {
        std::vector<Published> all = base;
        all.insert(all.end(), own.begin(), own.end());
        return all;
    };

    TvekMessageDialog message;
    ExpectPublished(message, with({{"ButtonCount", QVariant::fromValue(TvekDialogButtonsCount(1))},
                                   {"Button1Caption", V(QStringLiteral("OK"))},
                                   {"Button2Caption", V(QStringLiteral("Cancel"))},
                                   {"Button3Caption", V(QStringLiteral("Cancel"))},
                                   {"Button1ModalResult", QVariant(1)},
                                   {"Button2ModalResult", QVariant(2)},
                                   {"Button3ModalResult", QVariant(2)},
                                   {"IconType", QVariant::fromValue(TvekIconType::vekNone)},
                                   {"Text", V(QStringLiteral("Hello world!"))}}));

    TvekInputDialog input;
    ExpectPublished(input, with({{"PromptText", V(QStringLiteral("Prompt text:"))},
                                 {"ValueText", V(QString())},
                                 {"ButtonOKCaption", V(QStringLiteral("OK"))},
                                 {"ButtonCancelCaption", V(QStringLiteral("Cancel"))}}));

    TvekPasswordDialog password;
    ExpectPublished(password, with({{"Item1Caption", V(QStringLiteral("User name:"))},
                                    {"Item2Caption", V(QStringLiteral("Password:"))},
                                    {"Item1Text", V(QString())},
                                    {"Item2Text", V(QString())},
                                    {"Item1PasswordChar", QVariant(QChar())},
                                    {"Item2PasswordChar", QVariant(QChar(u'*'))},
                                    {"ButtonOKCaption", V(QStringLiteral("OK"))},
                                    {"ButtonCancelCaption", V(QStringLiteral("Cancel"))}}));
}

// The icon table, in the icons' order after vekNone.
TEST(VekDialog, IconTable)
{
    EXPECT_STREQ(vekMsgDlgIcon[int(TvekIconType::vekWarning) - 1], "MSGDLG_WARNING");
    EXPECT_STREQ(vekMsgDlgIcon[int(TvekIconType::vekStop) - 1], "MSGDLG_ERROR");
    EXPECT_STREQ(vekMsgDlgIcon[int(TvekIconType::vekInformation) - 1], "MSGDLG_INFORMATION");
    EXPECT_STREQ(vekMsgDlgIcon[int(TvekIconType::vekHelp) - 1], "MSGDLG_QUESTION");
}

// ---------------------------------------------------------------------------
// Input dialog

// OK copies the entered text back; Cancel leaves ValueText alone.
TEST(VekInputDialog, LayoutAndCopyBack)
{
    TvekInputDialog dialog;
    dialog.SetPromptText(QStringLiteral("Name:"));
    dialog.SetValueText(QStringLiteral("old"));
    QRect ok, cancel;
    int width = 0;
    QString promptShown, valueShown;
    const auto run = [&](bool pressOk) {
        return RunModal<TfrmInput>([&] { return dialog.ShowModal(); },
                                   [&](TfrmInput *frm) {
                                       width = frm->width();
                                       ok = frm->btnOK->geometry();
                                       cancel = frm->btnCancel->geometry();
                                       promptShown = frm->lblPrompt->text();
                                       valueShown = frm->edtValue->text();
                                       frm->edtValue->setText(QStringLiteral("new"));
                                       QTest::mouseClick(pressOk ? frm->btnOK : frm->btnCancel,
                                                         Qt::LeftButton);
                                   });
    };
    EXPECT_EQ(run(false), mrCancel);
    EXPECT_EQ(dialog.ValueText(), QStringLiteral("old"));
    EXPECT_EQ(promptShown, QStringLiteral("Name:"));
    EXPECT_EQ(valueShown, QStringLiteral("old"));
    EXPECT_EQ(ok.x(), width / 2 - ok.width() - 8);
    EXPECT_EQ(cancel.x(), width / 2 + 8);
    EXPECT_EQ(run(true), mrOk);
    EXPECT_EQ(dialog.ValueText(), QStringLiteral("new"));
}

// ---------------------------------------------------------------------------
// Password dialog

TEST(VekPasswordDialog, LayoutAndCopyBack)
{
    TvekPasswordDialog dialog;
    dialog.SetItem1Caption(QStringLiteral("A much longer caption:"));
    dialog.SetItem1Text(QStringLiteral("user"));
    QRect label1, label2, edit1, edit2, ok, cancel;
    int width = 0;
    QLineEdit::EchoMode echo1 = QLineEdit::Normal, echo2 = QLineEdit::Normal;
    QChar shownChar;
    const int result =
        RunModal<TfrmPass>([&] { return dialog.ShowModal(); },
                           [&](TfrmPass *frm) {
                               width = frm->width();
                               label1 = frm->lblItem1->geometry();
                               label2 = frm->lblItem2->geometry();
                               edit1 = frm->edtItem1->geometry();
                               edit2 = frm->edtItem2->geometry();
                               ok = frm->btnOK->geometry();
                               cancel = frm->btnCancel->geometry();
                               echo1 = frm->edtItem1->echoMode();
                               echo2 = frm->edtItem2->echoMode();
                               shownChar = QChar(frm->edtItem2->style()->styleHint(
                                   QStyle::SH_LineEdit_PasswordCharacter, nullptr, frm->edtItem2));
                               frm->edtItem1->setText(QStringLiteral("alice"));
                               frm->edtItem2->setText(QStringLiteral("secret"));
                               QTest::mouseClick(frm->btnOK, Qt::LeftButton);
                           });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.Item1Text(), QStringLiteral("alice"));
    EXPECT_EQ(dialog.Item2Text(), QStringLiteral("secret"));
    ASSERT_GT(label1.width(), label2.width());
    EXPECT_EQ(edit1.x(), label1.x() + label1.width() + 5);
    EXPECT_EQ(edit2.x(), edit1.x());
    EXPECT_EQ(width, edit1.x() + edit1.width() + 24);
    EXPECT_EQ(ok.x(), width / 2 - ok.width() - 8);
    EXPECT_EQ(cancel.x(), width / 2 + 8);
    EXPECT_EQ(echo1, QLineEdit::Normal);
    EXPECT_EQ(echo2, QLineEdit::Password);
    EXPECT_EQ(shownChar, QChar(u'*'));
}

// Cancel keeps both texts.
TEST(VekPasswordDialog, CancelKeepsTexts)
{
    TvekPasswordDialog dialog;
    dialog.SetItem1Text(QStringLiteral("user"));
    const int result = RunModal<TfrmPass>([&] { return dialog.ShowModal(); },
                                          [&](TfrmPass *frm) {
                                              frm->edtItem1->setText(QStringLiteral("other"));
                                              QTest::mouseClick(frm->btnCancel, Qt::LeftButton);
                                          });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(dialog.Item1Text(), QStringLiteral("user"));
}
