#include "scripteddialogservices.h"

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

        const auto files =
            DialogServices().OpenFiles(nullptr, QString(), QStringLiteral("纯文本文件|.txt"));
        ASSERT_TRUE(files.has_value());
        EXPECT_EQ(files->size(), 2);
        EXPECT_FALSE(DialogServices().ChooseColor(nullptr, clBlack).has_value());
        EXPECT_EQ(
            DialogServices().MessageBox(QStringLiteral("不能打开文件!"), QStringLiteral("出错")),
            mrCancel);
        EXPECT_EQ(DialogServices().MessageBox(QStringLiteral("x"), QStringLiteral("y")), mrOk);

        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("纯文本文件|.txt"));
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
