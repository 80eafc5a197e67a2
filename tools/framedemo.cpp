// Shows one skinned window per built-in style side by side, for looking at
// the frame by eye. With --check it shows a single window named "Frame check"
// at (100, 100) instead, which tools/frame_xcheck.sh drives with real input;
// the program ends when that window closes.

#include "tapplication.h"
#include "tform.h"
#include "vekbutton.h"
#include "vekform.h"

#include <QLabel>

#include <memory>
#include <vector>

namespace {

struct TStyleInfo
{
    TvekUIStyle style;
    const char *name;
};

constexpr TStyleInfo styles[] = {
    {TvekUIStyle::MacOS, "MacOS"},         {TvekUIStyle::WinXP, "WinXP"},
    {TvekUIStyle::DeepBlue, "DeepBlue"},   {TvekUIStyle::Protein, "Protein"},
    {TvekUIStyle::BlueGlass, "BlueGlass"},
};

// A window as the program builds its own: a skinned frame whose panel holds
// the controls, in the frame's style.
std::unique_ptr<TForm> MakeWindow(const TStyleInfo &info, int panelWidth, int panelHeight)
{
    auto host = std::make_unique<TForm>();
    auto *frame = new TvekForm(host.get());
    frame->SetUIStyleAutoUpdateSub(true);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    font.setBold(true);
    frame->SetFont(font);
    frame->SetCaption(QString::fromLatin1(info.name));

    auto *text = new QLabel(QStringLiteral("UIStyle = %1").arg(info.name), frame);
    text->setGeometry(16, 48, panelWidth - 32, 20);
    auto *check = new TvekCheckBox(frame);
    check->SetCaption(QStringLiteral("Check box"));
    check->SetChecked(true);
    check->setGeometry(16, 76, 120, 20);
    auto *button = new TvekButton(frame);
    button->SetCaption(QStringLiteral("OK"));
    button->setGeometry(panelWidth - 91, panelHeight - 37, 75, 25);

    frame->SetUIStyle(info.style);
    frame->SetWidth(panelWidth);
    frame->SetHeight(panelHeight);
    return host;
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    const bool check = app.arguments().contains(QStringLiteral("--check"));
    std::vector<std::unique_ptr<TForm>> windows;
    if (check) {
        auto window = MakeWindow(styles[2], 400, 250);
        window->findChild<TvekForm *>()->SetCaption(QStringLiteral("Frame check"));
        window->move(100, 100);
        QObject::connect(window.get(), &QDialog::finished, &app, &QApplication::quit);
        window->show();
        windows.push_back(std::move(window));
    } else {
        int x = 10;
        for (const TStyleInfo &info : styles) {
            auto window = MakeWindow(info, 290, 180);
            window->move(x, 10);
            x += window->width() + 12;
            window->show();
            windows.push_back(std::move(window));
        }
    }
    return app.exec();
}
