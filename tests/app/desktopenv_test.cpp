// Behaviour that depends on the environment the program starts in: run once
// per environment by CTest (see CMakeLists.txt), with the expectation passed
// in QM_EXPECT_SCALE.
#include "apptestfixture.h"

#include "dialogservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

namespace {

// The plain box of the real dialog services, read and closed from a timer
// running in its own event loop.
QStringList PlainBoxButtonTexts()
{
    QStringList texts;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QMessageBox::StandardButton which : {QMessageBox::Ok, QMessageBox::Cancel}) {
            if (QAbstractButton *button = box->button(which))
                texts << button->text();
        }
        box->reject();
    });
    poll.start();
    DialogServices().MessageBox(QStringLiteral("不能打开文件!"), QStringLiteral("出错"));
    return texts;
}

// Whether every scale × scale block of the image inside the logical
// rectangle has one colour: pictures drawn at a whole factor with no one-pixel
// line split into runs of different widths.
bool WholeBlocks(const QImage &image, const QRect &logical, int scale)
{
    for (int y = logical.top(); y <= logical.bottom(); ++y) {
        for (int x = logical.left(); x <= logical.right(); ++x) {
            const QRgb first = image.pixel(x * scale, y * scale);
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    if (image.pixel(x * scale + dx, y * scale + dy) != first)
                        return false;
        }
    }
    return true;
}

} // namespace

TEST(DesktopEnvironment, ThePlainBoxButtonsAreInChinese)
{
    EXPECT_EQ(PlainBoxButtonTexts(), (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}))
        << "LANG=" << qgetenv("LANG").constData();
}

TEST(DesktopEnvironment, ScaleFactorsAreWholeAndTheTitleBarStaysExact)
{
    const QByteArray expected = qgetenv("QM_EXPECT_SCALE");
    if (expected.isEmpty())
        GTEST_SKIP() << "QM_EXPECT_SCALE is not set";
    const int scale = expected.toInt();

    TForm1 form;
    form.Show();
    EXPECT_EQ(form.devicePixelRatio(), scale);
    const QPixmap grabbed = form.grab();
    EXPECT_EQ(grabbed.devicePixelRatio(), scale);
    EXPECT_EQ(form.size(), QSize(720, 328));
    EXPECT_EQ(grabbed.size(), QSize(720, 328) * scale);

    // The title bar right of its caption: the section pictures, the border
    // line and the minimise and close buttons.
    const QImage image = grabbed.toImage();
    EXPECT_TRUE(WholeBlocks(image, QRect(200, 0, 520, 24), scale));
}
