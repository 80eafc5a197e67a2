#pragma once

#include "tcolor.h"

#include <QString>
#include <QStringList>

class QWidget;

// The framework's open-file dialog as a window holds it: its settings, and
// the files chosen by the last run. Runs through the dialog services.
class TOpenDialog
{
public:
    QString FileName;
    QString Filter;
    QString DefaultExt;
    QStringList Files;

    // True when the user chose at least one file.
    bool Execute(QWidget *owner);
};

// The framework's colour dialog, opened fully. Starts black and keeps the
// last colour chosen, so the next run starts from it.
class TColorDialog
{
public:
    TColor Color = clBlack;

    // True when the user chose a colour; Color holds it.
    bool Execute(QWidget *owner);
};
