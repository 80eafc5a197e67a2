#include "scripteddialogservices.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include <gtest/gtest.h>

TEST(DialogServices, InstalledServicesAnswerAndTheQtOnesReturnAfterwards)
{
    TDialogServices *qtServices = &DialogServices();
    {
        ScriptedDialogServices dialogs;
        EXPECT_EQ(&DialogServices(), &dialogs);
        dialogs.files.push_back(
            QStringList{QStringLiteral("/t/a.txt"), QStringLiteral("/t/b.txt")});
        dialogs.messageAnswers.push_back(mrCancel);

        const auto files = DialogServices().OpenFiles(nullptr, QStringLiteral("*.txt"), QString(),
                                                      QStringLiteral("纯文本文件|.txt"));
        ASSERT_TRUE(files.has_value());
        EXPECT_EQ(files->size(), 2);
        EXPECT_FALSE(DialogServices().ChooseColor(nullptr, clBlack).has_value());
        EXPECT_EQ(
            DialogServices().MessageBox(QStringLiteral("不能打开文件!"), QStringLiteral("出错")),
            mrCancel);
        EXPECT_EQ(DialogServices().MessageBox(QStringLiteral("x"), QStringLiteral("y")), mrOk);

        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("纯文本文件|.txt"));
        EXPECT_EQ(dialogs.fileRequests[0].fileName, QStringLiteral("*.txt"));
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("出错"));
        EXPECT_EQ(dialogs.messages[0].kind, TMessageBoxKind::OkCancel);
    }
    EXPECT_EQ(&DialogServices(), qtServices);
}

TEST(DialogServices, FileFiltersInTheFrameworksForm)
{
    const struct
    {
        const char *given, *qt;
    } cases[] = {
        {"纯文本文件|.txt", "纯文本文件 (*.txt)"},
        {"Text files|*.txt|All|*.*", "Text files (*.txt);;All (*.*)"},
        {"Pages|*.htm;*.html", "Pages (*.htm *.html)"},
        {"Text files (*.txt)", "Text files (*.txt)"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QtFileFilter(QString::fromUtf8(c.given)), QString::fromUtf8(c.qt)) << c.given;
}

namespace {

QLineEdit *NameField(QFileDialog &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

QPushButton *OpenButton(QFileDialog &dialog)
{
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    return buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
}

} // namespace

// The dialog opens with the given name in its name field.
TEST(OpenFilesDialog, ShowsTheInitialFileName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::unique_ptr<QFileDialog> dialog(NewOpenFilesDialog(
        nullptr, QStringLiteral("*.txt"), QString(), QStringLiteral("纯文本文件|.txt")));
    dialog->setDirectory(dir.path());
    dialog->show();
    QApplication::processEvents();
    ASSERT_NE(NameField(*dialog), nullptr);
    EXPECT_EQ(NameField(*dialog)->text(), QStringLiteral("*.txt"));
    // Selected, so a typed name replaces it.
    EXPECT_EQ(NameField(*dialog)->selectedText(), QStringLiteral("*.txt"));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("纯文本文件 (*.txt)")});
}

// A typed name that does not exist is accepted as it stands, alone or among
// existing ones; no "File not found" box stands in the way.
TEST(OpenFilesDialog, TypedNamesNeedNotExist)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString present = dir.filePath(QStringLiteral("present.txt"));
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));

    const struct
    {
        QString typed;
        QStringList chosen;
    } cases[] = {
        {missing, {missing}},
        {QStringLiteral("\"%1\" \"%2\"")
             .arg(QStringLiteral("present.txt"), QStringLiteral("missing.txt")),
         {present, missing}},
    };
    for (const auto &c : cases) {
        const std::unique_ptr<QFileDialog> dialog(
            NewOpenFilesDialog(nullptr, QStringLiteral("*.txt"), QString(), QString()));
        dialog->setDirectory(dir.path());
        dialog->show();
        QApplication::processEvents();
        NameField(*dialog)->setText(c.typed);
        QApplication::processEvents();
        ASSERT_NE(OpenButton(*dialog), nullptr);
        EXPECT_TRUE(OpenButton(*dialog)->isEnabled()) << c.typed.toStdString();
        QTest::mouseClick(OpenButton(*dialog), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.typed.toStdString();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedFiles(), c.chosen) << c.typed.toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// A name with a wildcard becomes the filter and keeps the dialog open.
TEST(OpenFilesDialog, AWildcardNameFilters)
{
    const std::unique_ptr<QFileDialog> dialog(
        NewOpenFilesDialog(nullptr, QStringLiteral("*.txt"), QString(), QString()));
    dialog->show();
    QApplication::processEvents();
    NameField(*dialog)->setText(QStringLiteral("*.htm"));
    QApplication::processEvents();
    QTest::mouseClick(OpenButton(*dialog), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("*.htm"));
}

// Addresses as the shell reads them: blanks ignored, a bare host name a web
// address, a scheme kept, an existing file a file.
TEST(DesktopAddress, OpensWhatTheShellWould)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString help = dir.filePath(QStringLiteral("help.chm"));
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct
    {
        QString given;
        QUrl opened;
    } cases[] = {
        {QStringLiteral("https://quorvel-marlune.example.org/"),
         QUrl(QStringLiteral("https://quorvel-marlune.example.org/"))},
        {QStringLiteral("  https://example.org/a b  "),
         QUrl(QStringLiteral("https://example.org/a b"))},
        {QStringLiteral("www.example.org"), QUrl(QStringLiteral("http://www.example.org"))},
        {QStringLiteral(" www.example.org/page "),
         QUrl(QStringLiteral("http://www.example.org/page"))},
        {QStringLiteral("mailto:someone@example.org"),
         QUrl(QStringLiteral("mailto:someone@example.org"))},
        {help, QUrl::fromLocalFile(help)},
        {QStringLiteral(" ") + help + QStringLiteral(" "), QUrl::fromLocalFile(help)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DesktopAddress(c.given), c.opened) << c.given.toStdString();
}
