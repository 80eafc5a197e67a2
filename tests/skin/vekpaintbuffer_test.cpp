// The off-screen buffer at a scale factor of 2: controls that paint through it
// draw every device pixel, the frame and its title bar included. The test has
// its own main, which asks for the scale factor before the application starts.
#include "tapplication.h"
#include "tform.h"
#include "vekform.h"
#include "vekpaintbuffer.h"

#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

// A widget that keeps what its buffer held at the last paint.
class TBufferedWidget : public QWidget
{
public:
    using QWidget::QWidget;
    QImage painted;

protected:
    void paintEvent(QPaintEvent *) override
    {
        TvekPaintBuffer buffer(this);
        buffer.Canvas().fillRect(QRect(0, 0, 1, 1), Qt::white);
        painted = buffer.Image();
    }
};

// Whether some 2 x 2 block of device pixels is not one colour: something was
// drawn finer than a logical pixel, which an image drawn at one device pixel
// per logical pixel and then doubled never shows.
bool HasFinerDetail(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return true;
        }
    return false;
}

QRect DeviceRect(const QRect &r)
{
    return QRect(r.topLeft() * 2, r.size() * 2);
}

class HighDensity : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(qApp->devicePixelRatio(), 2.0); }
};

TEST_F(HighDensity, BufferHoldsEveryDevicePixel)
{
    TBufferedWidget widget;
    widget.resize(30, 20);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.grab();
    ASSERT_FALSE(widget.painted.isNull());
    EXPECT_EQ(widget.painted.size(), QSize(60, 40));
    EXPECT_EQ(widget.painted.devicePixelRatio(), 2.0);
    EXPECT_EQ(widget.painted.pixel(1, 1), qRgb(255, 255, 255)) << "logical pixel (0, 0)";
    EXPECT_EQ(widget.painted.pixel(2, 2), qRgb(0, 0, 0)) << "the canvas starts black";
}

TEST_F(HighDensity, TitleBarCaptionIsDrawnAtFullResolution)
{
    TForm host;
    auto *frame = new TvekForm(&host);
    frame->SetCaption(QStringLiteral("Quorvel Marlune"));
    frame->SetWidth(300);
    frame->SetHeight(80);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    TvekTitleBar *bar = frame->TitleBar();
    const QImage image = bar->grab().toImage();
    ASSERT_EQ(image.size(), bar->size() * 2);
    const QRect caption(bar->CaptionStart(), 0, 100, bar->height());
    EXPECT_TRUE(HasFinerDetail(image, DeviceRect(caption)));
}

TEST_F(HighDensity, FrameMenuBarIsDrawnAtFullResolution)
{
    TForm host;
    auto *frame = new TvekForm(&host);
    auto *menu = new QMenuBar(&host);
    menu->addMenu(QStringLiteral("&File"));
    frame->SetMenu(menu);
    frame->SetWidth(300);
    frame->SetHeight(80);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QWidget *bar = frame->MenuBarWidget();
    ASSERT_NE(bar, nullptr);
    const QImage image = bar->grab().toImage();
    ASSERT_EQ(image.size(), bar->size() * 2);
    EXPECT_TRUE(HasFinerDetail(image, image.rect()));
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_SCALE_FACTOR", "2", 1);
    TApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
