#include "bitmapresource.h"
#include "frmprogress.h"
#include "vekprogressbar.h"
#include "vekpublic.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace {

const TvekUIStyle kStyles[] = {TvekUIStyle::MacOS, TvekUIStyle::WinXP, TvekUIStyle::DeepBlue,
                               TvekUIStyle::Protein, TvekUIStyle::BlueGlass};
const char *const kPrefixes[] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};

QRgb Rgb(TColor c)
{
    return ToQColor(c).rgb();
}

class ProgressBarTest : public testing::TestWithParam<int>
{
protected:
    ProgressBarTest()
    {
        host = std::make_unique<QWidget>();
        host->resize(220, 80);
        bar = new TvekProgressBar(host.get());
        bar->setGeometry(10, 10, 102, 16);
        host->show();
    }
    QImage Grab() const { return bar->grab().toImage(); }

    std::unique_ptr<QWidget> host;
    TvekProgressBar *bar;
};

// Each style: the border in its control border colour, the part not done in
// its control colour, the done part from its picture's middle.
TEST_P(ProgressBarTest, DrawsFromTheStylesColoursAndPicture)
{
    const int i = GetParam();
    bar->SetUIStyle(kStyles[i]);
    bar->SetPosition(50);
    EXPECT_EQ(bar->DoneRect(), QRect(1, 1, 50, 14));

    const QImage picture =
        LoadBitmapResource(QString::fromLatin1(kPrefixes[i]) + QStringLiteral("_PROGRESSBAR"));
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(0, 0),
              Rgb(GetThemeColor(kStyles[i], TvekThemeElement::ControlBorderColor)));
    EXPECT_EQ(image.pixel(101, 8),
              Rgb(GetThemeColor(kStyles[i], TvekThemeElement::ControlBorderColor)));
    EXPECT_EQ(image.pixel(80, 8), Rgb(GetThemeColor(kStyles[i], TvekThemeElement::ControlColor)));
    // The picture in three parts stretched over the done part.
    QImage expected(50, 14, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&expected);
    SpitDrawHorizontal(picture, canvas, expected.rect(), false);
    canvas.end();
    for (int y : {1, 7, 14})
        EXPECT_EQ(image.pixel(25, y), expected.pixel(24, y - 1)) << y;
    EXPECT_EQ(image.pixel(1, 7), expected.pixel(0, 6));
    EXPECT_EQ(image.pixel(50, 7), expected.pixel(49, 6));
}

INSTANTIATE_TEST_SUITE_P(Styles, ProgressBarTest, testing::Range(0, 5),
                         [](const testing::TestParamInfo<int> &info) {
                             return std::string(kPrefixes[info.param]);
                         });

TEST(ProgressBar, PositionIsClampedAndTheBarFollowsIt)
{
    TvekProgressBar bar;
    bar.resize(102, 16);
    bar.SetMax(1000);
    bar.SetPosition(2000);
    EXPECT_EQ(bar.Position(), 1000);
    EXPECT_EQ(bar.Percent(), 100);
    EXPECT_EQ(bar.DoneRect().width(), 100);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_TRUE(bar.DoneRect().isEmpty());
    bar.SetMin(10);
    bar.SetMax(10);
    EXPECT_EQ(bar.Percent(), 0);
}

TEST(ProgressBar, VerticalFillsFromTheBottom)
{
    TvekProgressBar bar;
    bar.SetOrientation(vekVertical);
    bar.resize(16, 102);
    bar.SetPosition(25);
    EXPECT_EQ(bar.DoneRect(), QRect(1, 76, 14, 25));
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(image.pixel(8, 20), Rgb(bar.Color()));
    EXPECT_NE(image.pixel(8, 90), Rgb(bar.Color()));
}

TEST(ProgressBar, IsAProgressBarWithAValueForAssistiveTools)
{
    TvekProgressBar bar;
    bar.SetMax(200);
    bar.SetPosition(50);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::ProgressBar);
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("25%"));
    EXPECT_TRUE(a->state().readOnly);
    QAccessibleValueInterface *value = a->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 50);
    EXPECT_EQ(value->maximumValue().toInt(), 200);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    value->setCurrentValue(100); // read-only
    EXPECT_EQ(bar.Position(), 50);
}

TEST(ProgressWindow, EveryWayOfClosingAsksForACancelOnceAndOnlyFinishCloses)
{
    TfrmProgress window;
    int asked = 0;
    window.OnCancel = [&] { ++asked; };
    window.show();
    window.Close();
    window.Close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window.CancelAsked());
    window.SetItemName(QStringLiteral("a-very-long-name-") + QString(200, QLatin1Char('x')) +
                       QStringLiteral(".txt"));
    EXPECT_TRUE(window.lblName->text().endsWith(QStringLiteral(".txt")));
    EXPECT_LT(window.lblName->text().size(), 200);
    window.SetCount(3, 7);
    EXPECT_EQ(window.lblCount->text(), QStringLiteral("3 / 7"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("正在转换"));
    window.Finish();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
