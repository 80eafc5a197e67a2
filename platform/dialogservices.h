#pragma once

#include "tcolor.h"

#include <QString>
#include <QStringList>

#include <optional>

class QFileDialog;
class QUrl;
class QWidget;

// The buttons and icon of a plain message box.
enum class TMessageBoxKind {
    OkCancel, // the text, the caption, OK and Cancel, no icon
    ErrorOk,  // an error icon and one OK button
    Ok,       // the text, the caption and one OK button, no icon
};

// The modal dialogs and desktop services that window handlers call. The
// program uses the Qt implementation; tests install a scripted one so that
// no test waits in a modal loop.
class TDialogServices
{
public:
    virtual ~TDialogServices() = default;

    // Several files, starting with fileName in the name field; a typed name
    // need not exist. Nothing when the user cancels.
    virtual std::optional<QStringList> OpenFiles(QWidget *owner, const QString &fileName,
                                                 const QString &defaultExt,
                                                 const QString &filter) = 0;
    // A colour from the full colour dialog; nothing when the user cancels.
    virtual std::optional<TColor> ChooseColor(QWidget *owner, TColor initial) = 0;
    // A plain message box with no owner; returns mrOk or mrCancel.
    virtual int MessageBox(const QString &text, const QString &caption,
                           TMessageBoxKind kind = TMessageBoxKind::OkCancel) = 0;
    // Opens a file or an address with the desktop's handler.
    virtual bool OpenWithDesktop(const QString &fileOrUrl) = 0;
};

// A file filter in the framework's form ("Text files|*.txt|All|*.*") as
// Qt's ("Text files (*.txt);;All (*.*)"); a bare extension such as ".txt"
// is read as "*.txt". A filter without "|" is returned unchanged.
QString QtFileFilter(const QString &filter);

// The open dialog that OpenFiles runs: several files, fileName in the name
// field, typed names accepted whether or not they exist, a name with a
// wildcard applied as the filter.
QFileDialog *NewOpenFilesDialog(QWidget *owner, const QString &fileName, const QString &defaultExt,
                                const QString &filter);

// What the desktop opens for an address as the shell would read it: blanks
// around it ignored, an existing file as that file, a bare host name such as
// "www.example.org" as a web address, an address with a scheme as it stands.
QUrl DesktopAddress(const QString &fileOrUrl);

// The services in use: the Qt implementation unless a test installed its own.
TDialogServices &DialogServices();
// Installs services (not owned); null restores the Qt implementation.
void SetDialogServices(TDialogServices *services);
