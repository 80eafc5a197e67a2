// Radio buttons: groups on one parent, clicks on a checked one, and their
// pictures beside the check box's.
#include "buttontestsupport.h"

#include "bitmapresource.h"
#include "vekbutton.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class RadioTest : public CheckBoxTest
{
protected:
    TvekRadioButton *Radio(QWidget *parent, int group = 0)
    {
        auto *radio = new TvekRadioButton(parent);
        radio->SetGroupIndex(group);
        radio->OnClick = [this](QObject *) { ++radioClicks; };
        return radio;
    }
    int radioClicks = 0;
};

TEST_F(RadioTest, CheckingOneClearsItsGroupOnTheSameParent)
{
    auto *panel = new QWidget(form.get());
    TvekRadioButton *a = Radio(form.get()), *b = Radio(form.get()), *other = Radio(form.get(), 1);
    TvekRadioButton *elsewhere = Radio(panel);
    for (TvekRadioButton *r : {b, other, elsewhere})
        r->SetChecked(true);
    a->SetChecked(true);
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(other->Checked()) << "another group index";
    EXPECT_TRUE(elsewhere->Checked()) << "another parent";
    EXPECT_EQ(b->PicNormalResName(), "DEEPBLUE_RADIOBUTTON_UNCHECK");
    EXPECT_EQ(radioClicks, 0);
}

TEST_F(RadioTest, ClickingACheckedRadioKeepsItCheckedAndRaisesOnClick)
{
    TvekRadioButton *a = Radio(form.get());
    a->show();
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(radioClicks, 2);
}

TEST_F(RadioTest, LeavesOutItsTopLeftColourAndUsesTheCheckBoxSize)
{
    TvekRadioButton *a = Radio(form.get());
    a->SetUIStyle(TvekUIStyle::MacOS);
    a->SetTransparent(false);
    a->SetColor(clRed);
    a->show();
    // MacOS: check box picture 15 wide, radio picture 16 wide.
    EXPECT_EQ(a->GetPicWidth(), 15);
    const QImage picture = LoadBitmapResource("MACOS_RADIOBUTTON_UNCHECK");
    ASSERT_EQ(picture.size(), QSize(16, 17));
    const QRgb key = PixelAt(picture, 0, 0);
    const QImage shot = Grab(a);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb expected =
                PixelAt(picture, x, y) == key ? Rgb(255, 0, 0) : PixelAt(picture, x, y);
            ASSERT_EQ(PixelAt(shot, 1 + x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(a->TextRect().left(), 19);
}

} // namespace
