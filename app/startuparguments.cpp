#include "startuparguments.h"

TStartupArguments ParseStartupArguments(const QStringList &arguments)
{
    TStartupArguments parsed;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == u"-") {
            parsed.Files << argument;
        } else if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--help" || argument == u"-h") {
            parsed.Action = TStartupArguments::TAction::Help;
            return parsed;
        } else if (argument == u"--version") {
            parsed.Action = TStartupArguments::TAction::Version;
            return parsed;
        } else if (parsed.Action == TStartupArguments::TAction::Run) {
            parsed.Action = TStartupArguments::TAction::UsageError;
            parsed.BadArgument = argument;
        }
    }
    return parsed;
}

QString StartupUsageText()
{
    return QStringLiteral("Usage: quorvel-marlune [OPTIONS] [FILE...]\n"
                          "Converts plain-text files into HTML pages in a window.\n"
                          "Each FILE is added to the list at start-up, in order; a folder adds\n"
                          "its .txt files.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     show this help and exit\n"
                          "  --version      show the version and exit\n"
                          "  --             end of options (for a FILE beginning with \"-\")\n"
                          "\n"
                          "Qt's own options (such as -platform NAME) are accepted too.\n");
}
