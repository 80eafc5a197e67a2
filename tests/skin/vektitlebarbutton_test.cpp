// Title-bar buttons: the style resets their look and place, and only one
// may be the control box.
#include "vektitlebar.h"

#include "scripteddialogservices.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleBarStyle, ButtonStyleResetsTransparentAndTop)
{
    TvekTitleBar bar;
    TvekTitleBarButton *close = bar.Buttons()->Items(1);
    close->SetTransparent(false);
    close->SetTop(9);
    close->SetUIStyle(TvekUIStyle::Protein);
    EXPECT_TRUE(close->Transparent());
    EXPECT_EQ(close->Top(), 2);
    TvekTitleBarButton *custom = bar.Buttons()->Add();
    custom->SetTop(9);
    custom->SetUIStyle(TvekUIStyle::BlueGlass);
    EXPECT_TRUE(custom->Transparent());
    EXPECT_EQ(custom->Top(), 9); // a custom button keeps its place
    EXPECT_TRUE(custom->PicNormal().isNull());
}

TEST(TitleBarRules, OnlyOneControlBox)
{
    ScriptedDialogServices dialogs;
    TvekTitleBar bar;
    TvekTitleBarButton *close = bar.Buttons()->Items(1);
    close->SetButtonType(TvekTitleBarBtnType::vekControlBox);
    EXPECT_EQ(close->ButtonType(), TvekTitleBarBtnType::vekClose);
    bar.Buttons()->Items(0)->SetButtonType(TvekTitleBarBtnType::vekControlBox);
    EXPECT_EQ(bar.Buttons()->Items(0)->ButtonType(), TvekTitleBarBtnType::vekControlBox);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto &m : dialogs.messages) {
        EXPECT_EQ(m.text, "Sorry, only one button's ButtonType property can be \"vekControlBox\"");
        EXPECT_EQ(m.kind, TMessageBoxKind::ErrorOk);
    }
    // With the control box gone another button may take the part.
    bar.Buttons()->Delete(0);
    close->SetButtonType(TvekTitleBarBtnType::vekControlBox);
    EXPECT_EQ(close->ButtonType(), TvekTitleBarBtnType::vekControlBox);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

} // namespace
