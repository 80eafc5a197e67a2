// Shows the skinned message dialog once with each of its four icons, then
// the input and the password dialog.
//   dialogdemo              one after the other, closed by the user
//   dialogdemo --grab DIR   each window saved as DIR/dialogs-<kind>.png and
//                           the four messages side by side as
//                           DIR/dialogs-sheet.png; every window closes
//                           itself once it is grabbed

#include "tapplication.h"
#include "vekdlg.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample
{
    const char *kind;
    TvekIconType icon;
    QString caption;
    QString text;
    int buttons;
};

std::vector<Sample> Samples()
{
    return {
        {"information", TvekIconType::vekInformation, QStringLiteral("提示"),
         QStringLiteral("列表框中所有txt文件已经成功转换！"), 1},
        {"warning", TvekIconType::vekWarning, QStringLiteral("警告"),
         QStringLiteral("请先在列表框中选中要删除的文件！"), 1},
        {"error", TvekIconType::vekStop, QStringLiteral("出错"),
         QStringLiteral("The page could not be written.\nCheck that the folder is writable "
                        "and that there is room on the disk, then try again."),
         2},
        {"question", TvekIconType::vekHelp, QStringLiteral("vekDialog"),
         QStringLiteral("Convert every file in the list?"), 3},
    };
}

// Saves the running dialog window once it has the keyboard (so its focused
// button shows the focus mark) and closes it; polls a few times for that.
void GrabWhenActive(const QString &path, QImage &grabbed, int triesLeft = 40)
{
    QTimer::singleShot(50, [path, &grabbed, triesLeft] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window)
            return;
        if (!window->isActiveWindow() && triesLeft > 0) {
            GrabWhenActive(path, grabbed, triesLeft - 1);
            return;
        }
        grabbed = window->grab().toImage();
        if (!grabbed.save(path))
            std::fprintf(stderr, "dialogdemo: cannot write %s\n", qPrintable(path));
        window->close();
    });
}

// The grabbed windows two by two on a light background.
QImage Sheet(const std::vector<QImage> &windows)
{
    constexpr int gap = 16;
    int cellWidth = 0, cellHeight = 0;
    for (const QImage &w : windows) {
        cellWidth = std::max(cellWidth, w.width());
        cellHeight = std::max(cellHeight, w.height());
    }
    QImage sheet(gap + 2 * (cellWidth + gap), gap + 2 * (cellHeight + gap), QImage::Format_RGB32);
    sheet.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter canvas(&sheet);
    for (int i = 0; i < int(windows.size()); ++i)
        canvas.drawImage(gap + (i % 2) * (cellWidth + gap), gap + (i / 2) * (cellHeight + gap),
                         windows[i]);
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int grabAt = int(args.indexOf(QStringLiteral("--grab")));
    const QString dir = grabAt >= 0 && grabAt + 1 < args.size() ? args[grabAt + 1] : QString();
    if (grabAt >= 0 && dir.isEmpty()) {
        std::fprintf(stderr, "usage: dialogdemo [--grab DIR]\n");
        return 2;
    }
    if (!dir.isEmpty())
        QDir().mkpath(dir);

    std::vector<QImage> windows;
    for (const Sample &sample : Samples()) {
        TvekMessageDialog dialog;
        dialog.SetIconType(sample.icon);
        dialog.SetCaption(sample.caption);
        dialog.SetText(sample.text);
        dialog.SetButtonCount(TvekDialogButtonsCount(sample.buttons));
        dialog.SetButton1Caption(sample.buttons == 3 ? QStringLiteral("Yes")
                                                     : QStringLiteral("OK"));
        dialog.SetButton2Caption(sample.buttons == 3 ? QStringLiteral("No")
                                                     : QStringLiteral("Cancel"));
        QImage grabbed;
        if (!dir.isEmpty())
            GrabWhenActive(QDir(dir).filePath(QStringLiteral("dialogs-%1.png").arg(sample.kind)),
                           grabbed);
        const int result = dialog.ShowModal();
        std::printf("%s: %d\n", sample.kind, result);
        if (!grabbed.isNull())
            windows.push_back(grabbed);
    }
    if (!dir.isEmpty() && !windows.empty())
        Sheet(windows).save(QDir(dir).filePath(QStringLiteral("dialogs-sheet.png")));

    QImage unused;
    TvekInputDialog input;
    input.SetCaption(QStringLiteral("vekDialog"));
    input.SetValueText(QStringLiteral("Quorvel Marlune"));
    if (!dir.isEmpty())
        GrabWhenActive(QDir(dir).filePath(QStringLiteral("dialogs-input.png")), unused);
    std::printf("input: %d\n", input.ShowModal());

    TvekPasswordDialog password;
    password.SetCaption(QStringLiteral("vekDialog"));
    password.SetItem1Text(QStringLiteral("guest"));
    password.SetItem2Text(QStringLiteral("secret"));
    if (!dir.isEmpty())
        GrabWhenActive(QDir(dir).filePath(QStringLiteral("dialogs-password.png")), unused);
    std::printf("password: %d\n", password.ShowModal());
    return 0;
}
