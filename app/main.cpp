#include "appicon.h"
#include "filedrop.h"
#include "firstpaint.h"
#include "morefont.h"
#include "startuparguments.h"
#include "tapplication.h"
#include "unit1.h"
#include "vekaccessibility.h"
#include "veklistbox.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// The id the desktop knows the program by: its desktop file and, under
// Wayland, its windows' app id.
const QString kApplicationId = QStringLiteral("org.quorvel.Marlune");

void ShowEscapedException(const std::exception &e)
{
    if (QApplication::instance())
        TApplication::ShowException(QString::fromUtf8(e.what()));
    else
        std::fprintf(stderr, "quorvel-marlune: %s\n", e.what());
}

QStringList ArgumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Help, the version and usage errors need no display. Returns the exit
// status, or -1 when the window is to run.
int AnswerWithoutWindow(const TStartupArguments &arguments)
{
    switch (arguments.Action) {
    case TStartupArguments::TAction::Help:
        std::fputs(StartupUsageText().toLocal8Bit().constData(), stdout);
        return EXIT_SUCCESS;
    case TStartupArguments::TAction::Version:
        std::printf("quorvel-marlune %s\n", QM_VERSION);
        return EXIT_SUCCESS;
    case TStartupArguments::TAction::UsageError:
        std::fprintf(stderr,
                     "quorvel-marlune: unknown option '%s'\n"
                     "Try 'quorvel-marlune --help'.\n",
                     arguments.BadArgument.toLocal8Bit().constData());
        return 2;
    case TStartupArguments::TAction::Run:
        break;
    }
    return -1;
}

// The files named on the command line, in order; those that do not exist
// are reported and left out.
QStringList StartupFiles(const QStringList &files)
{
    for (const QString &file : files) {
        if (!QFileInfo::exists(file))
            std::fprintf(stderr, "quorvel-marlune: %s: no such file or folder\n",
                         file.toLocal8Bit().constData());
    }
    return TextFilesOf(files);
}

} // namespace

// Start-up: the application, the main window with the files given on the
// command line, the hidden text-size dialog, then the event loop until the
// main window closes. The program exits with 0 in every case, also after an
// exception was shown.
int main(int argc, char **argv)
{
    // Help and the version are answered before anything needs a display;
    // Qt's own options are taken out by the application object.
    const TStartupArguments early = ParseStartupArguments(ArgumentsOf(argc, argv));
    if (early.Action == TStartupArguments::TAction::Help ||
        early.Action == TStartupArguments::TAction::Version)
        return AnswerWithoutWindow(early);
    QGuiApplication::setDesktopFileName(kApplicationId);
    try {
        TApplication application(argc, argv);
        const TStartupArguments arguments =
            ParseStartupArguments(QCoreApplication::arguments().mid(1));
        if (const int status = AnswerWithoutWindow(arguments); status >= 0)
            return status;
        application.setWindowIcon(ProgramWindowIcon());
        InstallVekAccessibility();
        try {
            TForm1 form1;
            Form1 = &form1;
            form1.vekListBox1->addItems(StartupFiles(arguments.Files));
            Tfm_morefont morefont;
            fm_morefont = &morefont;
            form1.SetTextSizeDialog(&morefont);
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
