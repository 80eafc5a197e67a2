#include "firstpaint.h"
#include "morefont.h"
#include "tapplication.h"
#include "unit1.h"
#include "vekaccessibility.h"

#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

void ShowEscapedException(const std::exception &e)
{
    if (QApplication::instance())
        TApplication::ShowException(QString::fromUtf8(e.what()));
    else
        std::fprintf(stderr, "quorvel-marlune: %s\n", e.what());
}

} // namespace

// Start-up: the application, the main window, the hidden text-size dialog,
// then the event loop until the main window closes. The program exits with 0
// in every case, also after an exception was shown.
int main(int argc, char **argv)
{
    try {
        TApplication application(argc, argv);
        application.setWindowIcon(QIcon(QStringLiteral(":/icons/quorvel-marlune.png")));
        InstallVekAccessibility();
        try {
            TForm1 form1;
            Form1 = &form1;
            Tfm_morefont morefont;
            fm_morefont = &morefont;
            ReportFirstPaint(&form1);
            form1.Show();
            application.exec();
            fm_morefont = nullptr;
            Form1 = nullptr;
        } catch (const std::exception &e) {
            fm_morefont = nullptr;
            Form1 = nullptr;
            ShowEscapedException(e);
        }
    } catch (const std::exception &e) {
        ShowEscapedException(e);
    }
    return EXIT_SUCCESS;
}
