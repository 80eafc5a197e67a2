#include "tform.h"
#include "vekbutton.h"
#include "vekform.h"
#include "veklistbox.h"
#include "vekthemes.h"

#include <gtest/gtest.h>

// The lookups reach the real components through their published properties.
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
