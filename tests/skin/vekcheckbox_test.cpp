// Check boxes: pictures by state and style, layout, auto size, toggling once
// per activation, and a style pushed to the buttons on a container.
#include "buttontestsupport.h"

#include "bitmapresource.h"
#include "vekbutton.h"
#include "vekthemes.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST_F(CheckBoxTest, StartsAsDesigned)
{
    EXPECT_EQ(box->Caption(), "vekCheckBox");
    EXPECT_EQ(box->size(), QSize(93, 17));
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(box->TabStop());
    EXPECT_TRUE(box->ParentColor());
    EXPECT_EQ(box->UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_FALSE(box->PicTransparent());
    EXPECT_FALSE(box->Transparent());
    EXPECT_EQ(box->State(), cbUnchecked);

    TvekRadioButton radio(form.get());
    EXPECT_EQ(radio.Caption(), "vekRadioButton");
    EXPECT_EQ(radio.size(), QSize(93, 17));
    EXPECT_TRUE(radio.PicTransparent());
    EXPECT_EQ(radio.GroupIndex(), 0);
}

struct PictureCase
{
    TvekUIStyle style;
    bool radio;
    bool checked;
    bool enabled;
    const char *normal;
    const char *mouseOn;
    const char *mouseDown;
};

void PrintTo(const PictureCase &c, std::ostream *os)
{
    *os << "style " << int(c.style) << (c.radio ? " radio" : " check box")
        << (c.checked ? " checked" : " unchecked") << (c.enabled ? "" : " disabled");
}

class PictureChoiceTest : public CheckBoxTest, public ::testing::WithParamInterface<PictureCase>
{
};

TEST_P(PictureChoiceTest, ChoosesThePicturesOfStyleAndState)
{
    const PictureCase c = GetParam();
    TvekCheckBox *control = c.radio ? new TvekRadioButton(form.get()) : box;
    control->SetUIStyle(c.style);
    control->SetChecked(c.checked);
    control->SetEnabled(c.enabled);
    EXPECT_EQ(control->PicNormalResName(), c.normal);
    EXPECT_EQ(control->PicMouseOnResName(), c.mouseOn);
    EXPECT_EQ(control->PicMouseDownResName(), c.mouseDown);
}

INSTANTIATE_TEST_SUITE_P(
    States, PictureChoiceTest,
    ::testing::Values(
        PictureCase{TvekUIStyle::DeepBlue, false, false, true, "DEEPBLUE_CHECKBOX_UNCHECK",
                    "DEEPBLUE_CHECKBOX_UNCHECK", "DEEPBLUE_CHECKBOX_UNCHECK"},
        PictureCase{TvekUIStyle::DeepBlue, false, true, true, "DEEPBLUE_CHECKBOX_CHECK",
                    "DEEPBLUE_CHECKBOX_CHECK", "DEEPBLUE_CHECKBOX_CHECK"},
        PictureCase{TvekUIStyle::DeepBlue, false, true, false, "DEEPBLUE_CHECKBOX_DISABLE_CHECK",
                    "DEEPBLUE_CHECKBOX_CHECK", "DEEPBLUE_CHECKBOX_CHECK"},
        PictureCase{TvekUIStyle::DeepBlue, false, false, false, "DEEPBLUE_CHECKBOX_DISABLE_UNCHECK",
                    "DEEPBLUE_CHECKBOX_UNCHECK", "DEEPBLUE_CHECKBOX_UNCHECK"},
        PictureCase{TvekUIStyle::WinXP, false, true, true, "WINXP_CHECKBOX_NORMAL_CHECK",
                    "WINXP_CHECKBOX_MOUSEON_CHECK", "WINXP_CHECKBOX_MOUSEDOWN_CHECK"},
        PictureCase{TvekUIStyle::WinXP, false, false, false, "WINXP_CHECKBOX_DISABLE_UNCHECK",
                    "WINXP_CHECKBOX_MOUSEON_UNCHECK", "WINXP_CHECKBOX_MOUSEDOWN_UNCHECK"},
        PictureCase{TvekUIStyle::WinXP, true, false, true, "WINXP_RADIOBUTTON_NORMAL_UNCHECK",
                    "WINXP_RADIOBUTTON_MOUSEON_UNCHECK", "WINXP_RADIOBUTTON_MOUSEDOWN_UNCHECK"},
        PictureCase{TvekUIStyle::MacOS, true, true, true, "MACOS_RADIOBUTTON_CHECK",
                    "MACOS_RADIOBUTTON_CHECK", "MACOS_RADIOBUTTON_CHECK"},
        PictureCase{TvekUIStyle::Protein, true, true, false, "PROTEIN_RADIOBUTTON_DISABLE_CHECK",
                    "PROTEIN_RADIOBUTTON_CHECK", "PROTEIN_RADIOBUTTON_CHECK"},
        PictureCase{TvekUIStyle::BlueGlass, false, true, true, "BLUEGLASS_CHECKBOX_CHECK",
                    "BLUEGLASS_CHECKBOX_CHECK", "BLUEGLASS_CHECKBOX_CHECK"},
        PictureCase{TvekUIStyle::Custom, false, true, true, "", "", ""}));

// The 13 x 13 picture at (1, y) and the caption from 17, by the height.
TEST_F(CheckBoxTest, DrawsPictureAtOneAndCaptionFromPw4)
{
    for (const auto &[height, top] : {std::pair{17, 2}, std::pair{15, 1}}) {
        box->SetHeight(height);
        box->SetChecked(true);
        const QImage picture = LoadBitmapResource("DEEPBLUE_CHECKBOX_CHECK");
        const QImage shot = Grab(box);
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(PixelAt(shot, 1 + x, top + y), PixelAt(picture, x, y))
                    << "height " << height << " at " << x << "," << y;
        EXPECT_EQ(box->TextRect(), QRect(QPoint(17, top), QPoint(92, height - 1)));
        // The caption's ink starts at or after x = 17, below its top.
        const QString caption = box->Caption();
        box->SetCaption(QString());
        const QRect text = DiffBox(Grab(box), shot);
        box->SetCaption(caption);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.left(), 17);
        EXPECT_GE(text.top(), top);
    }
}

TEST_F(CheckBoxTest, AutoSizeFitsPictureAndCaption)
{
    // A caption 100 pixels wide.
    class WideCaption : public TvekCheckBox
    {
    public:
        using TvekCheckBox::TvekCheckBox;

    protected:
        QSize TextExtent(const QString &) const override { return QSize(100, 13); }
    };
    auto *sized = new WideCaption(form.get());
    sized->SetFont(CrispFont(11));
    sized->show();
    sized->SetAutoSize(true);
    EXPECT_EQ(sized->size(), QSize(121, 17));
    // A taller font grows it; a resize snaps back.
    sized->SetFont(CrispFont(16));
    EXPECT_EQ(sized->size(), QSize(121, 22));
    sized->resize(40, 40);
    EXPECT_EQ(sized->size(), QSize(121, 22));
}

TEST_F(CheckBoxTest, ClickTogglesOnceAndOnClickSeesTheNewState)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(states, std::vector<bool>{true});
    EXPECT_TRUE(box->hasFocus()) << "a check box takes the focus on a click";
    // A quick double click arrives as two clicks.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseDClick(box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(states, (std::vector<bool>{true, false, true}));
}

TEST_F(CheckBoxTest, EveryKeyboardActivationTogglesOnce)
{
    box->SetCaption("&Wrap");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(states, std::vector<bool>{true});
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    QTest::keyClick(form.get(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(states, (std::vector<bool>{true, false, true}));
}

TEST_F(CheckBoxTest, SettingCheckedFromCodeRaisesNoClick)
{
    int paints = 0;
    struct PaintCounter : QObject
    {
        int *count;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter;
    counter.count = &paints;
    box->installEventFilter(&counter);
    box->SetChecked(true);
    EXPECT_TRUE(states.empty());
    EXPECT_GT(paints, 0);
    paints = 0;
    box->SetChecked(true);
    EXPECT_EQ(paints, 0) << "an unchanged value does not even repaint";
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked()) << "the grayed value unchecks";
    box->removeEventFilter(&counter);
}

TEST_F(CheckBoxTest, PressShowsMouseDownAndReleaseTheHoverOfTheNewState)
{
    box->SetUIStyle(TvekUIStyle::WinXP);
    const QImage down = LoadBitmapResource("WINXP_CHECKBOX_MOUSEDOWN_UNCHECK");
    const QImage onChecked = LoadBitmapResource("WINXP_CHECKBOX_MOUSEON_CHECK");
    QTest::mouseMove(box, QPoint(5, 8));
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(PixelAt(Grab(box), 7, 8), PixelAt(down, 6, 6));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(PixelAt(Grab(box), 7, 8), PixelAt(onChecked, 6, 6));
}

TEST_F(CheckBoxTest, DisabledShowsTheDisabledPictureAndAGreyCaption)
{
    box->SetChecked(true);
    box->SetEnabled(false);
    const QImage disabled = LoadBitmapResource("DEEPBLUE_CHECKBOX_DISABLE_CHECK");
    const QImage shot = Grab(box);
    EXPECT_EQ(PixelAt(shot, 7, 8), PixelAt(disabled, 6, 6));
    EXPECT_TRUE(HasPixel(shot, QRect(17, 0, 76, 17), Rgb(0x80, 0x80, 0x80)));
    EXPECT_FALSE(HasPixel(shot, QRect(17, 0, 76, 17), Rgb(255, 255, 255))) << "no white shadow";
    box->SetEnabled(true);
    EXPECT_EQ(box->PicNormalResName(), "DEEPBLUE_CHECKBOX_CHECK");
}

TEST_F(CheckBoxTest, CaptionStaysPutWhilePressed)
{
    box->setFocus();
    box->clearFocus();
    const QImage normal = Grab(box);
    TvekButtonLook::Show(box, box->MouseOn(), true);
    const QImage pressed = Grab(box);
    // DeepBlue draws the same picture pressed: nothing moves.
    EXPECT_TRUE(DiffBox(normal, pressed).isEmpty());
}

TEST_F(CheckBoxTest, FocusRectangleStartsLeftOfTheCaption)
{
    box->SetColor(clWhite);
    const QImage plain = Grab(box);
    box->setFocus();
    const QImage focused = Grab(box);
    // From (pw + 3, yt) to the control's far corner.
    EXPECT_EQ(DiffBox(plain, focused), QRect(QPoint(16, 2), QPoint(92, 16)));
}

TEST_F(CheckBoxTest, StyleSetsTransparency)
{
    const std::pair<TvekUIStyle, bool> cases[] = {{TvekUIStyle::MacOS, true},
                                                  {TvekUIStyle::WinXP, false},
                                                  {TvekUIStyle::Protein, true},
                                                  {TvekUIStyle::DeepBlue, false},
                                                  {TvekUIStyle::BlueGlass, false}};
    for (const auto &[style, transparent] : cases) {
        box->SetUIStyle(style);
        EXPECT_EQ(box->Transparent(), transparent) << int(style);
        EXPECT_FALSE(box->PicTransparent());
    }
    box->SetUIStyle(TvekUIStyle::MacOS);
    box->SetUIStyle(TvekUIStyle::Custom);
    EXPECT_TRUE(box->Transparent()) << "Custom leaves it as it was";
}

TEST_F(CheckBoxTest, TransparentBoxShowsItsParent)
{
    form->setAutoFillBackground(true);
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor(10, 200, 30));
    form->setPalette(pal);
    box->SetColor(clRed);
    box->SetUIStyle(TvekUIStyle::Protein);
    EXPECT_EQ(PixelAt(Grab(box), 60, 1), Rgb(10, 200, 30));
    box->SetTransparent(false);
    EXPECT_EQ(PixelAt(Grab(box), 60, 1), Rgb(255, 0, 0));
}

TEST_F(CheckBoxTest, CustomStyleFallsBackToTheBlankPicture)
{
    box->SetColor(clRed);
    box->SetUIStyle(TvekUIStyle::Custom);
    EXPECT_EQ(box->GetPicWidth(), 0);
    // The blank 74 x 21 picture at (1, 17 / 2).
    const QImage shot = Grab(box);
    EXPECT_EQ(PixelAt(shot, 1, 8), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(shot, 0, 8), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(shot, 1, 7), Rgb(255, 0, 0));
}

TEST(ContainerStyleTest, PushesAStyleToTheButtonsOnAContainer)
{
    QWidget panel;
    auto *button = new TvekButton(&panel);
    auto *check = new TvekCheckBox(&panel);
    auto *radio = new TvekRadioButton(&panel);
    auto *custom = new TvekButton(&panel);
    custom->SetPicNormal("DEEPBLUE_BUTTON_NORMAL");
    QWidget inner(&panel);
    auto *nested = new TvekButton(&inner);
    ContainerApplyUIStyle(&panel, TvekUIStyle::WinXP);
    EXPECT_EQ(button->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(check->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(radio->UIStyle(), TvekUIStyle::WinXP);
    EXPECT_EQ(radio->PicNormalResName(), "WINXP_RADIOBUTTON_NORMAL_UNCHECK");
    EXPECT_EQ(custom->UIStyle(), TvekUIStyle::Custom);
    EXPECT_EQ(nested->UIStyle(), TvekUIStyle::DeepBlue);
}

} // namespace
