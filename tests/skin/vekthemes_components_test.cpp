#include "tform.h"
#include "vekbutton.h"
#include "vekcheckbox.h"
#include "vekcombobox.h"
#include "vekform.h"
#include "veklistbox.h"
#include "vekscrollbar.h"
#include "vekthemes.h"
#include "vektrackbar.h"

#include <gtest/gtest.h>

// The lookups reach the real components through the style interfaces.
TEST(ThemeTableWithComponents, FrameLookupAndStylePush)
{
    TForm host;
    auto *frame = new TvekForm(&host);
    frame->SetUIStyle(TvekUIStyle::WinXP);
    EXPECT_EQ(GetVEKFormStyle(&host), TvekUIStyle::WinXP);
    EXPECT_EQ(GetVEKFormColor(&host), frame->Color());
    EXPECT_EQ(GetBorderColor(&host), 0x00686868);

    QWidget container;
    auto *button = new TvekButton(&container);
    auto *custom = new TvekButton(&container);
    custom->SetUIStyle(TvekUIStyle::Custom);
    auto *check = new TvekCheckBox(&container);
    auto *list = new TvekListBox(&container);
    ContainerApplyUIStyle(&container, TvekUIStyle::MacOS);
    EXPECT_EQ(button->UIStyle(), TvekUIStyle::MacOS);
    EXPECT_EQ(custom->UIStyle(), TvekUIStyle::Custom);
    EXPECT_EQ(check->UIStyle(), TvekUIStyle::MacOS);
    EXPECT_EQ(list->BorderColor(), 0x007F7F7F);
}

// Every skinned control takes a container's style its own way: combo boxes
// and scroll bars take it whole, an image button and a link keep their looks.
TEST(ThemeTableWithComponents, EachControlTakesTheStyleItsOwnWay)
{
    QWidget container;
    auto *combo = new TvekComboBox(&container);
    auto *bar = new TvekScrollBar(&container);
    auto *image = new TvekImageButton(&container);
    image->SetUIStyle(TvekUIStyle::DeepBlue);
    ContainerApplyUIStyle(&container, TvekUIStyle::Protein);
    EXPECT_EQ(combo->UIStyle(), TvekUIStyle::Protein);
    EXPECT_EQ(bar->UIStyle(), TvekUIStyle::Protein);
    EXPECT_EQ(image->UIStyle(), TvekUIStyle::DeepBlue);
}

// A control placed on the frame panel (not on the window itself) still finds
// the window's skinned frame and starts in its style.
TEST(ThemeTableWithComponents, ControlsOnTheFramePanelStartInTheWindowStyle)
{
    for (const TvekUIStyle style : {TvekUIStyle::DeepBlue, TvekUIStyle::WinXP, TvekUIStyle::MacOS,
                                    TvekUIStyle::Protein, TvekUIStyle::BlueGlass}) {
        SCOPED_TRACE(static_cast<int>(style));
        TForm host;
        auto *frame = new TvekForm(&host);
        frame->SetUIStyle(style);
        const TColor border = GetThemeColor(style, TvekThemeElement::ControlBorderColor);
        auto *combo = new TvekComboBox(frame);
        EXPECT_EQ(combo->UIStyle(), style);
        EXPECT_EQ(combo->ButtonColor(), GetThemeColor(style, TvekThemeElement::ComboButtonColor));
        EXPECT_EQ(combo->ArrowColor(), border);
        EXPECT_EQ(combo->BorderColor(), border);
        EXPECT_EQ((new TvekListBox(frame))->BorderColor(), border);
        auto *bar = new TvekScrollBar(frame);
        EXPECT_EQ(bar->UIStyle(), style);
        EXPECT_EQ(bar->Color(), GetThemeColor(style, TvekThemeElement::ScrollBarColor));
        EXPECT_EQ((new TvekTrackBar(frame))->UIStyle(), style);
        EXPECT_EQ((new TvekButton(frame))->UIStyle(), style);
        EXPECT_EQ((new TvekCheckBox(frame))->UIStyle(), style);
    }
}

// The WinXP figures written out: a combo box DEEBEF / 686868, a list box
// border 686868, not DeepBlue's E8E8E8 / black.
TEST(ThemeTableWithComponents, ComboAndListOnAWinXPFramePanel)
{
    TForm host;
    auto *frame = new TvekForm(&host);
    frame->SetUIStyle(TvekUIStyle::WinXP);
    auto *combo = new TvekComboBox(frame);
    EXPECT_EQ(combo->ButtonColor(), 0x00DEEBEF);
    EXPECT_EQ(combo->ArrowColor(), 0x00686868);
    EXPECT_EQ(combo->BorderColor(), 0x00686868);
    EXPECT_EQ((new TvekListBox(frame))->BorderColor(), 0x00686868);
}

// Setting a style again applies it again: what was changed since comes back.
TEST(ThemeTableWithComponents, SettingTheSameStyleAgainAppliesItAgain)
{
    TvekButton button;
    button.SetUIStyle(TvekUIStyle::BlueGlass);
    ASSERT_TRUE(button.Transparent());
    button.SetTransparent(false);
    button.SetUIStyle(TvekUIStyle::BlueGlass);
    EXPECT_TRUE(button.Transparent());

    TvekScrollBar bar;
    bar.SetUIStyle(TvekUIStyle::WinXP);
    bar.SetColor(0x00123456);
    bar.SetUIStyle(TvekUIStyle::WinXP);
    EXPECT_EQ(bar.Color(), GetThemeColor(TvekUIStyle::WinXP, TvekThemeElement::ScrollBarColor));
}

TEST(ThemeTableWithComponents, ContainerPushOfTheSameStyleAppliesItAgain)
{
    TForm host;
    auto *frame = new TvekForm(&host);
    frame->SetUIStyleAutoUpdateSub(true);
    frame->SetUIStyle(TvekUIStyle::BlueGlass);
    auto *button = new TvekButton(frame);
    ASSERT_EQ(button->UIStyle(), TvekUIStyle::BlueGlass);
    ASSERT_TRUE(button->Transparent());
    button->SetTransparent(false);
    frame->SetUIStyle(TvekUIStyle::BlueGlass);
    EXPECT_TRUE(button->Transparent());
}
