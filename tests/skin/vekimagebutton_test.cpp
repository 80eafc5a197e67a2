// The image button: state pictures with their fallbacks, stretching,
// transparency, auto size and the auto-repeat that the scroll bar relies on.
#include "buttontestsupport.h"

#include "vekbutton.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A picture of one colour with a different top-left pixel (the mask colour).
QImage Picture(int width, int height, QRgb color, QRgb corner = qRgb(255, 0, 255))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    image.setPixel(0, 0, corner);
    return image;
}

class ImageButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = MakeHostForm();
        QTest::mouseMove(form.get(), QPoint(310, 190));
        button = new TvekImageButton(form.get());
        button->setGeometry(20, 20, 40, 20);
        button->SetColor(clWhite);
        button->show();
    }

    // The middle pixel in each of the four looks.
    std::array<QRgb, 4> Looks()
    {
        std::array<QRgb, 4> looks{};
        TvekButtonLook::Show(button, false, false);
        looks[0] = PixelAt(Grab(button), 5, 5);
        TvekButtonLook::Show(button, true, button->MouseDown());
        looks[1] = PixelAt(Grab(button), 5, 5);
        TvekButtonLook::Show(button, button->MouseOn(), true);
        looks[2] = PixelAt(Grab(button), 5, 5);
        TvekButtonLook::Show(button, false, false);
        button->SetEnabled(false);
        looks[3] = PixelAt(Grab(button), 5, 5);
        button->SetEnabled(true);
        return looks;
    }

    std::unique_ptr<TForm> form;
    TvekImageButton *button = nullptr;
};

TEST_F(ImageButtonTest, StartsWithoutStyleFocusOrPictures)
{
    TvekImageButton fresh;
    EXPECT_EQ(fresh.UIStyle(), TvekUIStyle::Custom);
    EXPECT_FALSE(fresh.AutoSize());
    EXPECT_FALSE(fresh.TabStop());
    EXPECT_FALSE(fresh.Stretch());
    EXPECT_EQ(fresh.MouseContinuouslyDownInterval(), 100);
    EXPECT_TRUE(fresh.PicNormal().isNull());
    EXPECT_TRUE(fresh.Caption().isEmpty());
}

TEST_F(ImageButtonTest, EachLookFallsBackToTheNormalPicture)
{
    button->SetPicNormalF(Picture(40, 20, qRgb(0, 0, 200)));
    const QRgb blue = Rgb(0, 0, 200);
    EXPECT_EQ(Looks(), (std::array<QRgb, 4>{blue, blue, blue, blue}));

    button->SetPicMouseOnF(Picture(40, 20, qRgb(0, 200, 0)));
    button->SetPicMouseDownF(Picture(40, 20, qRgb(200, 0, 0)));
    button->SetPicDisabledF(Picture(40, 20, qRgb(90, 90, 90)));
    EXPECT_EQ(Looks(),
              (std::array<QRgb, 4>{blue, Rgb(0, 200, 0), Rgb(200, 0, 0), Rgb(90, 90, 90)}));
}

TEST_F(ImageButtonTest, WithoutPicturesOnlyTheBackgroundShows)
{
    const QRgb white = Rgb(255, 255, 255);
    EXPECT_EQ(Looks(), (std::array<QRgb, 4>{white, white, white, white}));
}

TEST_F(ImageButtonTest, DrawsUnscaledOrStretched)
{
    button->SetPicNormalF(Picture(10, 10, qRgb(0, 0, 200), qRgb(0, 0, 200)));
    EXPECT_EQ(PixelAt(Grab(button), 9, 9), Rgb(0, 0, 200));
    EXPECT_EQ(PixelAt(Grab(button), 10, 10), Rgb(255, 255, 255));
    button->SetStretch(true);
    EXPECT_EQ(PixelAt(Grab(button), 39, 19), Rgb(0, 0, 200));
}

TEST_F(ImageButtonTest, TransparentLeavesOutTheTopLeftColour)
{
    button->SetPicNormalF(Picture(40, 20, qRgb(0, 0, 200)));
    EXPECT_EQ(PixelAt(Grab(button), 0, 0), Rgb(255, 0, 255));
    form->setAutoFillBackground(true);
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor(10, 200, 30));
    form->setPalette(pal);
    button->SetTransparent(true);
    EXPECT_TRUE(button->PicTransparent());
    EXPECT_EQ(PixelAt(Grab(button), 0, 0), Rgb(10, 200, 30));
    EXPECT_EQ(PixelAt(Grab(button), 1, 0), Rgb(0, 0, 200));
}

TEST_F(ImageButtonTest, AutoSizeFollowsTheNormalPictureOnly)
{
    button->SetAutoSize(true);
    button->SetPicNormalF(Picture(30, 12, qRgb(0, 0, 200)));
    EXPECT_EQ(button->size(), QSize(30, 12));
    button->SetBounds(20, 20, 50, 50);
    button->SetPicMouseOnF(Picture(20, 10, qRgb(0, 200, 0)));
    EXPECT_EQ(button->size(), QSize(30, 12));

    TvekImageButton orphan;
    orphan.resize(50, 50);
    orphan.SetAutoSize(true);
    orphan.SetPicNormalF(Picture(30, 12, qRgb(0, 0, 200)));
    EXPECT_EQ(orphan.size(), QSize(50, 50)) << "no parent, no resize";
}

TEST_F(ImageButtonTest, RepeatsWhileHeldAndCentresItsCaption)
{
    int steps = 0;
    button->OnMouseContinuouslyDown = [&](QObject *sender) {
        EXPECT_EQ(sender, button);
        ++steps;
    };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    AdvanceTimers(button, 1000);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    AdvanceTimers(button, 1000);
    EXPECT_EQ(steps, 10);

    button->SetFont(CrispFont());
    const QImage bare = Grab(button);
    button->SetCaption("Go");
    const QRect text = DiffBox(bare, Grab(button));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(std::abs(text.center().x() - 20), 2);
}

TEST_F(ImageButtonTest, FocusMarkOnlyWithTabStop)
{
    button->SetPicNormalF(Picture(40, 20, qRgb(0, 0, 200)));
    const QImage plain = Grab(button);
    button->setFocus();
    EXPECT_TRUE(DiffBox(plain, Grab(button)).isEmpty());
    button->SetTabStop(true);
    button->setFocus();
    EXPECT_EQ(DiffBox(plain, Grab(button)), QRect(QPoint(2, 2), QPoint(37, 17)));
}

} // namespace
