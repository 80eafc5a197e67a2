#include "dialogservices.h"

#include "tform.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <memory>

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

// Accepts what the user typed without asking whether it exists; a name with
// a wildcard becomes the filter, a folder is opened, as the base does.
class TOpenFilesDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        QLineEdit *name = NameField();
        const QString typed = name ? name->text().trimmed() : QString();
        if (typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?'))) {
            setNameFilter(typed);
            return;
        }
        // The names typed win over the list's selection, which holds only
        // the typed names that exist.
        if (!typed.isEmpty())
            ClearListSelection(name);
        const QStringList files = selectedFiles();
        if (files.isEmpty())
            return;
        if (files.size() == 1 && QFileInfo(files.first()).isDir()) {
            QFileDialog::accept();
            return;
        }
        QDialog::accept();
    }

    // The base disables Open for a name that does not exist; it stays usable.
    void KeepOpenButtonEnabled()
    {
        QLineEdit *name = NameField();
        auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QPushButton *open = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
        if (!name || !open)
            return;
        auto enable = [name, open] { open->setEnabled(!name->text().trimmed().isEmpty()); };
        connect(name, &QLineEdit::textChanged, open, enable, Qt::QueuedConnection);
        enable();
    }

protected:
    // The name starts selected, so what the user types replaces it.
    void showEvent(QShowEvent *event) override
    {
        QFileDialog::showEvent(event);
        if (QLineEdit *name = NameField())
            name->selectAll();
    }

private:
    void ClearListSelection(QLineEdit *name)
    {
        const QString typed = name->text();
        for (auto *view : findChildren<QAbstractItemView *>())
            if (view->selectionModel())
                view->selectionModel()->clear();
        if (name->text() != typed)
            name->setText(typed);
    }

    QLineEdit *NameField() const { return findChild<QLineEdit *>(QStringLiteral("fileNameEdit")); }
};

class TQtDialogServices : public TDialogServices
{
public:
    std::optional<QStringList> OpenFiles(QWidget *owner, const QString &fileName,
                                         const QString &defaultExt, const QString &filter) override
    {
        const std::unique_ptr<QFileDialog> dialog(
            NewOpenFilesDialog(owner, fileName, defaultExt, filter));
        const int result = dialog->exec();
        ReturnFocusTo(owner);
        if (result != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return std::nullopt;
        return dialog->selectedFiles();
    }

    std::optional<TColor> ChooseColor(QWidget *owner, TColor initial) override
    {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), owner);
        ReturnFocusTo(owner);
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    }

    int MessageBox(const QString &text, const QString &caption, TMessageBoxKind kind) override
    {
        QMessageBox box;
        box.setText(text);
        box.setWindowTitle(caption);
        switch (kind) {
        case TMessageBoxKind::ErrorOk:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case TMessageBoxKind::Ok:
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case TMessageBoxKind::OkCancel:
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        }
        const int result = box.exec() == QMessageBox::Ok ? mrOk : mrCancel;
        ReturnFocusTo(TForm::MainForm());
        return result;
    }

    bool OpenWithDesktop(const QString &fileOrUrl) override
    {
        return QDesktopServices::openUrl(DesktopAddress(fileOrUrl));
    }
};

TDialogServices *installedServices = nullptr;

} // namespace

QFileDialog *NewOpenFilesDialog(QWidget *owner, const QString &fileName, const QString &defaultExt,
                                const QString &filter)
{
    auto *dialog = new TOpenFilesDialog(owner);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilter(QtFileFilter(filter));
    dialog->setDefaultSuffix(defaultExt);
    if (!fileName.isEmpty())
        dialog->selectFile(fileName);
    dialog->KeepOpenButtonEnabled();
    return dialog;
}

QUrl DesktopAddress(const QString &fileOrUrl)
{
    return QUrl::fromUserInput(fileOrUrl.trimmed(), QDir::currentPath());
}

TDialogServices &DialogServices()
{
    static TQtDialogServices qtServices;
    return installedServices ? *installedServices : qtServices;
}

void SetDialogServices(TDialogServices *services)
{
    installedServices = services;
}
