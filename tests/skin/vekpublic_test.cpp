#include "desktop.h"
#include "imagescan.h"
#include "vekpublic.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QRgb background = qRgb(200, 200, 200);
const QRgb fuchsia = qRgb(255, 0, 255);

// A 74 x 21 bitmap, the size of the DeepBlue push button, whose every pixel
// tells where it came from: red is the column, green the row.
QImage PositionBitmap(int w = 74, int h = 21)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 64));
    return image;
}

QImage Spit(const QImage &bitmap, QSize size, bool transparent = false)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(background);
    QPainter painter(&canvas);
    SpitDraw(bitmap, painter, QRect(QPoint(0, 0), size), transparent);
    return canvas;
}

// One probe: the canvas pixel (x, y) shows the source pixel (sx, sy).
struct Probe
{
    int x, y, sx, sy;
};

void ExpectProbes(const QImage &canvas, const QImage &source, std::initializer_list<Probe> probes)
{
    for (const Probe &p : probes)
        EXPECT_EQ(canvas.pixel(p.x, p.y), source.pixel(p.sx, p.sy))
            << "at (" << p.x << ", " << p.y << ") want source (" << p.sx << ", " << p.sy
            << ") got (" << qRed(canvas.pixel(p.x, p.y)) << ", " << qGreen(canvas.pixel(p.x, p.y))
            << ")";
}

bool Covered(const QImage &canvas)
{
    return !HasColor(canvas, background);
}

} // namespace

TEST(SpitDraw, PushButtonStretchedTo80x27)
{
    const QImage src = PositionBitmap();
    const QImage out = Spit(src, QSize(80, 27));
    ExpectProbes(out, src,
                 {
                     {0, 0, 0, 0},     {36, 9, 36, 9},   // top-left 37 x 10 at (0, 0)
                     {0, 18, 0, 12},   {35, 26, 35, 20}, // bottom-left 37 x 9 at (0, 18)
                     {0, 10, 0, 10},   {35, 17, 35, 10}, // left edge from source row 10
                     {44, 0, 38, 0},   {79, 9, 73, 9},   // top-right 36 x 10 at (44, 0)
                     {44, 18, 38, 12}, {79, 26, 73, 20}, // bottom-right 36 x 9 at (44, 18)
                     {44, 10, 38, 11}, {79, 17, 73, 11}, // right edge from source row 11
                     {37, 0, 37, 0},   {43, 9, 37, 9},   // top edge from source column 37
                     {37, 10, 37, 10}, {43, 16, 37, 10}, // middle from the pixel (37, 10)
                     {36, 17, 37, 11}, {43, 26, 37, 20}, // bottom edge, column 37 rows 11-20
                     {36, 26, 37, 20}, {36, 18, 37, 12}, // ... drawn over the bottom-left
                 });
    EXPECT_TRUE(Covered(out));
}

TEST(SpitDraw, PushButtonAtItsOwnSize)
{
    const QImage src = PositionBitmap();
    const QImage out = Spit(src, QSize(74, 21));
    ExpectProbes(out, src,
                 {
                     {0, 0, 0, 0},
                     {36, 9, 36, 9}, // top-left 37 x 10
                     {0, 12, 0, 12},
                     {35, 20, 35, 20}, // bottom-left 37 x 9
                     {38, 0, 38, 0},
                     {73, 9, 73, 9}, // top-right 36 x 10
                     {38, 12, 38, 12},
                     {73, 20, 73, 20}, // bottom-right 36 x 9
                     {0, 11, 0, 10},
                     {35, 10, 35, 10}, // left edge: two rows of row 10
                     {73, 10, 73, 11},
                     {38, 11, 38, 11}, // right edge: two rows of row 11
                     {37, 10, 37, 10}, // middle, one pixel
                     // the bottom edge, two columns wide, over the column left of the middle
                     {36, 11, 37, 11},
                     {36, 20, 37, 20},
                     {37, 20, 37, 20},
                     {36, 15, 37, 15},
                 });
    EXPECT_TRUE(Covered(out));
}

TEST(SpitDraw, SmallerThanTheBitmapCropsCornersTowardTheWindowCorners)
{
    const QImage src = PositionBitmap();
    const QImage out = Spit(src, QSize(20, 10));
    ExpectProbes(out, src,
                 {
                     {0, 0, 0, 0},
                     {9, 4, 9, 4}, // top-left keeps its top-left 10 x 5
                     {0, 6, 0, 17},
                     {8, 9, 8, 20}, // bottom-left keeps its bottom-left 10 x 4
                     {11, 0, 65, 0},
                     {19, 4, 73, 4}, // top-right keeps its top-right 9 x 5
                     {11, 6, 65, 17},
                     {19, 9, 73, 20}, // bottom-right keeps its bottom-right 9 x 4
                     {0, 5, 0, 10},
                     {8, 5, 8, 10}, // left edge: its left columns
                     {11, 5, 65, 11},
                     {19, 5, 73, 11}, // right edge: its right columns
                     {10, 0, 37, 0},
                     {10, 4, 37, 4}, // top edge: its top rows
                     {9, 5, 37, 16},
                     {10, 9, 37, 20}, // bottom edge: its bottom rows
                 });
    EXPECT_TRUE(Covered(out));
}

TEST(SpitDraw, EvenHeightLeavesTheLeftEdgeAndMiddleWithoutSource)
{
    const QImage src = PositionBitmap(74, 20); // c = 10, d = 11: no middle row
    const QImage out = Spit(src, QSize(74, 20));
    ExpectProbes(out, src, {{0, 0, 0, 0}, {0, 11, 0, 11}, {73, 19, 73, 19}, {38, 10, 38, 10}});
    // Row 10 of the left edge has no source and stays unpainted.
    EXPECT_EQ(out.pixel(0, 10), background);
}

TEST(SpitDraw, FuchsiaCornersFollowTheFlagFuchsiaEdgesNeverPaint)
{
    QImage src = PositionBitmap();
    src.setPixel(0, 0, fuchsia);   // top-left corner
    src.setPixel(73, 20, fuchsia); // bottom-right corner
    src.setPixel(37, 0, fuchsia);  // top edge
    src.setPixel(5, 10, fuchsia);  // left edge
    src.setPixel(37, 10, fuchsia); // middle

    const QImage opaque = Spit(src, QSize(80, 27), false);
    EXPECT_EQ(opaque.pixel(0, 0), fuchsia);
    EXPECT_EQ(opaque.pixel(79, 26), fuchsia);
    EXPECT_EQ(opaque.pixel(40, 0), background);
    EXPECT_EQ(opaque.pixel(5, 14), background);
    EXPECT_EQ(opaque.pixel(40, 13), background);
    EXPECT_EQ(opaque.pixel(1, 0), src.pixel(1, 0));

    const QImage masked = Spit(src, QSize(80, 27), true);
    EXPECT_EQ(masked.pixel(0, 0), background);
    EXPECT_EQ(masked.pixel(79, 26), background);
    EXPECT_EQ(masked.pixel(40, 0), background);
    EXPECT_EQ(masked.pixel(1, 0), src.pixel(1, 0));
}

TEST(SpitDraw, RectangleAwayFromTheOriginMovesEveryPiece)
{
    const QImage src = PositionBitmap();
    QImage canvas(90, 40, QImage::Format_RGB32);
    canvas.fill(background);
    QPainter painter(&canvas);
    SpitDraw(src, painter, QRect(5, 7, 80, 27), false);
    painter.end();
    EXPECT_EQ(canvas.pixel(4, 7), background);
    ExpectProbes(canvas, src, {{5, 7, 0, 0}, {84, 33, 73, 20}, {41, 24, 37, 11}});
}

TEST(SpitDrawHorizontal, EndsKeepTheirSizeAndTheMiddleStretches)
{
    // Three 10 x 6 parts; the top-left pixel's colour is the mask colour.
    QImage src(30, 6, QImage::Format_RGB32);
    src.fill(qRgb(10, 0, 0));
    for (int y = 0; y < 6; ++y)
        for (int x = 10; x < 20; ++x)
            src.setPixel(x, y, qRgb(20, 0, 0));
    for (int y = 0; y < 6; ++y)
        for (int x = 20; x < 30; ++x)
            src.setPixel(x, y, qRgb(30, 0, 0));
    const QRgb mask = qRgb(1, 2, 3);
    src.setPixel(0, 0, mask);
    src.setPixel(29, 5, mask);

    for (bool transparent : {false, true}) {
        QImage canvas(60, 10, QImage::Format_RGB32);
        canvas.fill(background);
        QPainter painter(&canvas);
        SpitDrawHorizontal(src, painter, QRect(2, 1, 50, 8), transparent);
        painter.end();
        EXPECT_EQ(canvas.pixel(1, 3), background);
        EXPECT_EQ(canvas.pixel(3, 3), qRgb(10, 0, 0));
        EXPECT_EQ(canvas.pixel(12, 1), qRgb(20, 0, 0));
        EXPECT_EQ(canvas.pixel(41, 8), qRgb(20, 0, 0)); // stretched to the full height
        EXPECT_EQ(canvas.pixel(42, 1), qRgb(30, 0, 0));
        EXPECT_EQ(canvas.pixel(51, 6), transparent ? background : mask);
        EXPECT_EQ(canvas.pixel(2, 1), transparent ? background : mask);
        EXPECT_EQ(canvas.pixel(52, 3), background);
    }
}

TEST(TileDraw, RepeatsFromTheOriginOneTileBeyondTheRectangle)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(x, y, 64));
    QImage canvas(14, 10, QImage::Format_RGB32);
    canvas.fill(background);
    QPainter painter(&canvas);
    TileDraw(painter, tile, QRect(0, 0, 7, 5));
    painter.end();
    // Columns 0, 3, 6, 9 (9 < 7 + 3) and rows 0, 2, 4, 6 (6 < 5 + 2).
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x) {
            const QRgb want = x < 12 && y < 8 ? tile.pixel(x % 3, y % 2) : background;
            ASSERT_EQ(canvas.pixel(x, y), want) << x << ", " << y;
        }

    QPainter again(&canvas);
    TileDraw(again, QImage(), QRect(0, 0, 7, 5)); // an empty picture draws nothing
}

TEST(RoundPicture, QuarterTurnsAndBack)
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgb(x, y, 64));
    const QImage original = image;

    RoundPicture(image); // counter-clockwise: the top row's right end goes to the top left
    ASSERT_EQ(image.size(), QSize(2, 3));
    EXPECT_EQ(image.pixel(0, 0), original.pixel(2, 0));
    EXPECT_EQ(image.pixel(0, 2), original.pixel(0, 0));
    EXPECT_EQ(image.pixel(1, 2), original.pixel(0, 1));
    RoundPicture3(image);
    EXPECT_EQ(image, original);

    RoundPicture3(image); // clockwise: the top row becomes the right column
    ASSERT_EQ(image.size(), QSize(2, 3));
    EXPECT_EQ(image.pixel(1, 0), original.pixel(0, 0));
    EXPECT_EQ(image.pixel(1, 2), original.pixel(2, 0));
    EXPECT_EQ(image.pixel(0, 0), original.pixel(0, 1));
    RoundPicture(image);
    EXPECT_EQ(image, original);
}

TEST(InRect, AllFourEdgesIncluded)
{
    const QRect r(10, 20, 30, 40); // right 40, bottom 60
    const struct
    {
        int x, y;
        bool in;
    } cases[] = {{10, 20, true}, {40, 60, true},  {40, 20, true},  {10, 60, true}, {25, 40, true},
                 {9, 20, false}, {41, 30, false}, {20, 19, false}, {20, 61, false}};
    for (const auto &c : cases) {
        EXPECT_EQ(InRect(c.x, c.y, r), c.in) << c.x << ", " << c.y;
        EXPECT_EQ(InRect(QPoint(c.x, c.y), r), c.in) << c.x << ", " << c.y;
    }
}

namespace {

// A parent that paints its left part red over a green background.
class TPaintedParent : public QWidget
{
public:
    TPaintedParent()
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::green);
        setPalette(pal);
        setAutoFillBackground(true);
        resize(60, 40);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(0, 0, 20, 40, Qt::red); }
};

// A see-through control: what lies under it, and a blue mark at (2, 2).
class TSeeThrough : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QImage buffer(size(), QImage::Format_RGB32);
        buffer.fill(Qt::black);
        QPainter canvas(&buffer);
        DoTrans(canvas, this);
        canvas.fillRect(2, 2, 1, 1, Qt::blue);
        canvas.end();
        QPainter(this).drawImage(0, 0, buffer);
    }
};

class TBordered : public QWidget
{
public:
    using QWidget::QWidget;
    TColor inner = clBlue;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        DrawControlBorder(this, clRed, inner);
    }
};

} // namespace

TEST(DoTrans, ShowsTheParentsBackgroundAndPaintUnderTheControl)
{
    TPaintedParent parent;
    auto *control = new TSeeThrough(&parent);
    control->setGeometry(10, 5, 20, 10);
    const QImage shot = control->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), QColor(Qt::red).rgb());    // parent (10, 5)
    EXPECT_EQ(shot.pixel(9, 9), QColor(Qt::red).rgb());    // parent (19, 14)
    EXPECT_EQ(shot.pixel(10, 0), QColor(Qt::green).rgb()); // parent (20, 5)
    EXPECT_EQ(shot.pixel(2, 2), QColor(Qt::blue).rgb());

    // Painted as part of the parent's own paint, and shown on screen.
    const QImage whole = parent.grab().toImage();
    EXPECT_EQ(whole.pixel(10, 5), QColor(Qt::red).rgb());
    EXPECT_EQ(whole.pixel(20, 5), QColor(Qt::green).rgb());
    EXPECT_EQ(whole.pixel(12, 7), QColor(Qt::blue).rgb());
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    parent.repaint();

    TSeeThrough orphan;
    orphan.resize(5, 5);
    EXPECT_EQ(orphan.grab().toImage().pixel(0, 0), QColor(Qt::black).rgb());
}

TEST(DrawControlBorder, TwoFramesOverTheEdge)
{
    TBordered control;
    control.resize(20, 12);
    QImage shot = control.grab().toImage();
    for (QPoint p : {QPoint(0, 0), QPoint(19, 11), QPoint(10, 0), QPoint(0, 6), QPoint(19, 6)})
        EXPECT_EQ(shot.pixel(p), QColor(Qt::red).rgb()) << p.x() << ", " << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(18, 10), QPoint(10, 1), QPoint(1, 6), QPoint(18, 6)})
        EXPECT_EQ(shot.pixel(p), QColor(Qt::blue).rgb()) << p.x() << ", " << p.y();
    EXPECT_EQ(shot.pixel(2, 2), QColor(Qt::white).rgb());

    control.inner = clBtnFace; // system colours resolved
    shot = control.grab().toImage();
    EXPECT_EQ(shot.pixel(1, 1), ToQColor(clBtnFace).rgb());
}

TEST(VekPublic, SmallHelpers)
{
    EXPECT_EQ(PCharToStr(""), QString());
    EXPECT_TRUE(PCharToStr("").isEmpty());
    EXPECT_TRUE(PCharToStr(nullptr).isEmpty());
    EXPECT_EQ(PCharToStr("DEEPBLUE_BUTTON_NORMAL"), QStringLiteral("DEEPBLUE_BUTTON_NORMAL"));

    QWidget parent;
    auto *control = new QWidget(&parent);
    PlaceControl(control, QPoint(7, 9));
    EXPECT_EQ(control->pos(), QPoint(7, 9));
    PlaceControl(control, QRect(3, 4, 50, 60));
    EXPECT_EQ(control->geometry(), QRect(3, 4, 50, 60));

    EXPECT_TRUE(IsHasProperty(control, "enabled"));
    EXPECT_FALSE(IsHasProperty(control, "UIStyle"));
    EXPECT_FALSE(IsHasProperty(nullptr, "enabled"));

    SetWinControlTransparent(control);
    EXPECT_FALSE(control->autoFillBackground());
    EXPECT_FALSE(control->testAttribute(Qt::WA_OpaquePaintEvent));

    EXPECT_EQ(GetWorkAreaRect(), GetWorkArea());
    EXPECT_FALSE(GetWorkAreaRect().isEmpty());
}

TEST(VekPublic, MaskedImageLeavesOutTheMaskColour)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, fuchsia);
    image.setPixel(1, 0, qRgb(1, 2, 3));
    const QImage masked = MaskedImage(image);
    EXPECT_EQ(qAlpha(masked.pixel(0, 0)), 0);
    EXPECT_EQ(masked.pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_EQ(qAlpha(MaskedImage(image, 0x00030201).pixel(1, 0)), 0);
}
