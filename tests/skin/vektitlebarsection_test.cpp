// Title-bar sections: only one may fill the space between the others.
#include "vektitlebar.h"

#include "scripteddialogservices.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleBarRules, OnlyOneClientSection)
{
    ScriptedDialogServices dialogs;
    TvekTitleBar bar;
    TvekTitleBarSection *left = bar.Sections()->Items(0);
    left->SetAlign(TvekTitleBarAlign::vekClient);
    EXPECT_EQ(left->Align(), TvekTitleBarAlign::vekLeft);
    EXPECT_FALSE(left->Stretch());
    TvekTitleBarSection *client = bar.Sections()->Items(2);
    client->SetAlign(TvekTitleBarAlign::vekClient);
    EXPECT_EQ(client->Align(), TvekTitleBarAlign::vekClient);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Sorry, only one section's Align property can be \"vekClient\"");
    EXPECT_EQ(dialogs.messages[1].kind, TMessageBoxKind::ErrorOk);
    client->SetStretch(false);
    EXPECT_TRUE(client->Stretch()); // the client section always stretches
}

} // namespace
