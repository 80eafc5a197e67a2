#include "dialogservices.h"

#include "tform.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

QString QtFileFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern.startsWith(QLatin1Char('.')))
                pattern.prepend(QLatin1Char('*'));
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

class TQtDialogServices : public TDialogServices
{
public:
    std::optional<QStringList> OpenFiles(QWidget *owner, const QString &defaultExt,
                                         const QString &filter) override
    {
        QFileDialog dialog(owner);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilter(QtFileFilter(filter));
        dialog.setDefaultSuffix(defaultExt);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles();
    }

    std::optional<TColor> ChooseColor(QWidget *owner, TColor initial) override
    {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), owner);
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    }

    int MessageBox(const QString &text, const QString &caption, TMessageBoxKind kind) override
    {
        QMessageBox box;
        box.setText(text);
        box.setWindowTitle(caption);
        if (kind == TMessageBoxKind::ErrorOk) {
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
        } else {
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        }
        return box.exec() == QMessageBox::Ok ? mrOk : mrCancel;
    }

    bool OpenWithDesktop(const QString &fileOrUrl) override
    {
        const QUrl url = QUrl(fileOrUrl, QUrl::StrictMode);
        const bool isAddress = url.isValid() && url.scheme().size() > 1;
        return QDesktopServices::openUrl(isAddress ? url : QUrl::fromLocalFile(fileOrUrl));
    }
};

TDialogServices *installedServices = nullptr;

} // namespace

TDialogServices &DialogServices()
{
    static TQtDialogServices qtServices;
    return installedServices ? *installedServices : qtServices;
}

void SetDialogServices(TDialogServices *services)
{
    installedServices = services;
}
