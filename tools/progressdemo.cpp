// The skinned progress bar in every style, horizontal and vertical, filling
// up in a loop; --grab FILE saves the sheet at a fixed set of positions.
#include "vekprogressbar.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int grab = args.indexOf(QStringLiteral("--grab"));

    QWidget sheet;
    sheet.setWindowTitle(QStringLiteral("TvekProgressBar"));
    sheet.resize(420, 5 * 40 + 20);
    const std::pair<TvekUIStyle, const char *> styles[] = {{TvekUIStyle::MacOS, "MacOS"},
                                                           {TvekUIStyle::WinXP, "WinXP"},
                                                           {TvekUIStyle::DeepBlue, "DeepBlue"},
                                                           {TvekUIStyle::Protein, "Protein"},
                                                           {TvekUIStyle::BlueGlass, "BlueGlass"}};
    std::vector<TvekProgressBar *> bars;
    int row = 0;
    for (const auto &[style, name] : styles) {
        auto *label = new QLabel(QString::fromLatin1(name), &sheet);
        label->setGeometry(10, 12 + row * 40, 70, 16);
        auto *bar = new TvekProgressBar(&sheet);
        bar->SetUIStyle(style);
        bar->setGeometry(80, 12 + row * 40, 260, 16);
        bar->SetPosition(20 * (row + 1) - 10);
        bars.push_back(bar);
        auto *vertical = new TvekProgressBar(&sheet);
        vertical->SetUIStyle(style);
        vertical->SetOrientation(vekVertical);
        vertical->setGeometry(360 + row * 10, 10, 8, 5 * 40 - 10);
        vertical->SetPosition(20 * (row + 1) - 10);
        bars.push_back(vertical);
        ++row;
    }
    if (grab >= 0 && grab + 1 < args.size())
        return sheet.grab().save(args.at(grab + 1)) ? 0 : 1;

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&bars] {
        for (TvekProgressBar *bar : bars)
            bar->SetPosition(bar->Position() >= bar->Max() ? 0 : bar->Position() + 1);
    });
    timer.start(30);
    sheet.show();
    return app.exec();
}
