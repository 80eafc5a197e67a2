// Shows the skinned list box, scroll bar and combo boxes side by side, in the
// program's settings, for a look by eye. With --grab FILE it saves the
// window as a picture and exits.
#include "tapplication.h"
#include "vekcombobox.h"
#include "veklistbox.h"
#include "vekscrollbar.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

QLabel *Caption(QWidget *parent, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Skinned lists");
    window.resize(720, 420);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, ToQColor(0x00E8E8E8));
    window.setPalette(pal);
    window.setAutoFillBackground(true);

    // The main window's list: one column in view, further columns to the right.
    Caption(&window, "List, Columns 1, native bars", 22, 26);
    auto *files = new TvekListBox(&window);
    files->setGeometry(22, 44, 674, 109);
    files->SetColumns(1);
    files->SetMultiSelect(true);
    for (int i = 1; i <= 40; ++i)
        files->addItem(QString("/home/user/texts/chapter%1.txt").arg(i));

    // A list with an attached skinned bar.
    Caption(&window, "List with a skinned bar", 22, 166);
    auto *list = new TvekListBox(&window);
    list->setGeometry(22, 184, 220, 109);
    for (int i = 1; i <= 30; ++i)
        list->addItem(QString("Item %1").arg(i));
    auto *bar = new TvekScrollBar(&window);
    list->SetVScrollBar(bar);

    // The dialog's pick lists, one disabled.
    Caption(&window, "Combo boxes", 272, 166);
    const char *const styles[] = {"DeepBlue", "MacOS", "WinXP", "Protein", "BlueGlass"};
    const TvekUIStyle values[] = {TvekUIStyle::DeepBlue, TvekUIStyle::MacOS, TvekUIStyle::WinXP,
                                  TvekUIStyle::Protein, TvekUIStyle::BlueGlass};
    for (int i = 0; i < 5; ++i) {
        for (int enabled = 0; enabled < 2; ++enabled) {
            auto *combo = new TvekComboBox(&window);
            combo->SetStyle(TComboBoxStyle::csDropDownList);
            for (int n = 1; n <= 7; ++n)
                combo->addItem(QString::number(n));
            combo->SetUIStyle(values[i]);
            combo->setGeometry(272 + enabled * 70, 184 + i * 30, 57, 21);
            combo->setEnabled(enabled == 1);
        }
        Caption(&window, styles[i], 420, 186 + i * 30);
    }

    // Free-standing bars in every style.
    for (int i = 0; i < 5; ++i) {
        auto *free = new TvekScrollBar(&window);
        free->SetUIStyle(values[i]);
        free->move(520 + i * 24, 170);
        free->SetPosition(20 * i);
    }
    auto *across = new TvekScrollBar(&window);
    across->SetOrientation(vekHorizontal);
    across->setGeometry(22, 330, 300, 16);
    across->SetPosition(40);

    window.show();
    const QStringList args = app.arguments();
    const int grab = args.indexOf("--grab");
    if (grab >= 0 && grab + 1 < args.size()) {
        QTimer::singleShot(200, [&] {
            window.grab().save(args.at(grab + 1));
            app.quit();
        });
    }
    return app.exec();
}
