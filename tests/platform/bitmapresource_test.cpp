#include "bitmapresource.h"

#include <gtest/gtest.h>

TEST(BitmapResource, UnknownNameRaisesResourceNotFound)
{
    EXPECT_FALSE(HasBitmapResource(QStringLiteral("NO_SUCH_BITMAP")));
    try {
        LoadBitmapResource(QStringLiteral("NO_SUCH_BITMAP"));
        FAIL() << "no error raised";
    } catch (const EResNotFound &e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_BITMAP not found");
    }
}

TEST(BitmapResource, LoadsOpaqueBitmapsAndCopiesStayIndependent)
{
    const QString name = QStringLiteral("DEEPBLUE_BUTTON_NORMAL");
    if (!HasBitmapResource(name))
        GTEST_SKIP() << "style bitmaps not built in";
    QImage first = LoadBitmapResource(name);
    EXPECT_EQ(first.size(), QSize(74, 21));
    EXPECT_EQ(first.format(), QImage::Format_RGB32);
    const QRgb original = first.pixel(0, 0);
    first.setPixel(0, 0, qRgb(1, 2, 3) == original ? qRgb(4, 5, 6) : qRgb(1, 2, 3));
    EXPECT_EQ(LoadBitmapResource(name).pixel(0, 0), original);
}
