#include "tform.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "vekform.h"
#include "veklistbox.h"
#include "vekscrollbar.h"
#include "vekthemes.h"

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
