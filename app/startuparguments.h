#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for: help, the version, or the
// window with files to put in the list at start-up.
struct TStartupArguments
{
    enum class TAction { Run, Help, Version, UsageError };

    TAction Action = TAction::Run;
    QStringList Files;   // in the order given
    QString BadArgument; // the unknown option of a usage error
};

// Reads the arguments after the program's name. "--help" (or "-h") and
// "--version" win wherever they stand before "--"; after "--" every
// argument is a file. Qt's own options must have been taken out already
// where a display is in use.
TStartupArguments ParseStartupArguments(const QStringList &arguments);

// The text of "--help", ending in a line end.
QString StartupUsageText();
