#include "apptestfixture.h"

#include "vekbutton.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// The variables by which xdg-mime finds the desktop and its handlers.
const char *const kDesktopVariables[] = {
    "XDG_DATA_HOME",       "XDG_CONFIG_HOME",          "XDG_DATA_DIRS",
    "XDG_CONFIG_DIRS",     "XDG_CURRENT_DESKTOP",      "DESKTOP_SESSION",
    "KDE_FULL_SESSION",    "GNOME_DESKTOP_SESSION_ID", "XDG_SESSION_DESKTOP",
    "KDE_SESSION_VERSION", "MATE_DESKTOP_SESSION_ID"};

// A desktop of its own for the test: private data and configuration folders
// with no handler at all until the test registers fake ones with xdg-mime.
// Restores the environment afterwards.
class PrivateDesktop
{
public:
    PrivateDesktop()
    {
        for (const char *name : kDesktopVariables) {
            FSaved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qunsetenv(name);
        }
        const QDir root(FRoot.path());
        for (const char *folder : {"data/applications", "config", "system-data", "system-config"})
            root.mkpath(QString::fromLatin1(folder));
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", root.filePath(QStringLiteral("system-data")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", root.filePath(QStringLiteral("system-config")).toLocal8Bit());
    }
    ~PrivateDesktop()
    {
        for (const Saved &saved : FSaved) {
            if (saved.Set)
                qputenv(saved.Name, saved.Value);
            else
                qunsetenv(saved.Name);
        }
    }

    // Installs a fake application and makes it the default for the type.
    bool RegisterHandler(const QString &name, const QString &mimeType)
    {
        QFile entry(QDir(FRoot.path()).filePath(QStringLiteral("data/applications/") + name));
        if (!entry.open(QIODevice::WriteOnly))
            return false;
        entry.write("[Desktop Entry]\nType=Application\nName=Fake\nExec=/bin/false %U\n"
                    "MimeType=" +
                    mimeType.toLatin1() + ";\n");
        entry.close();
        return QProcess::execute(QStringLiteral("xdg-mime"),
                                 {QStringLiteral("default"), name, mimeType}) == 0;
    }

private:
    struct Saved
    {
        const char *Name;
        bool Set;
        QByteArray Value;
    };
    QTemporaryDir FRoot;
    std::vector<Saved> FSaved;
};

class HelpTest : public AppTest
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
            GTEST_SKIP() << "xdg-mime (xdg-utils) is not installed";
        ASSERT_TRUE(QFileInfo::exists(programFolder.filePath(QStringLiteral("help.chm"))));
        ASSERT_TRUE(QFileInfo::exists(programFolder.filePath(QStringLiteral("help/index.htm"))));
    }

    void ClickHelp()
    {
        QTest::mouseClick(form.vekButton6, Qt::LeftButton, Qt::NoModifier,
                          form.vekButton6->rect().center());
    }

    QString ProgramFile(const QString &name) const { return programFolder.filePath(name); }

    const QDir programFolder{QCoreApplication::applicationDirPath()};
    PrivateDesktop desktop;
};

} // namespace

TEST_F(HelpTest, WithABrowserAndNoChmViewerTheHtmlHelpGoesToTheBrowser)
{
    ASSERT_TRUE(desktop.RegisterHandler(QStringLiteral("fake-browser.desktop"),
                                        QStringLiteral("text/html")));
    ClickHelp();

    ASSERT_EQ(dialogs.opened.size(), 1);
    EXPECT_EQ(QFileInfo(dialogs.opened[0]).canonicalFilePath(),
              QFileInfo(ProgramFile(QStringLiteral("help/index.htm"))).canonicalFilePath());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpTest, WithAChmViewerHelpChmIsOpened)
{
    ASSERT_TRUE(desktop.RegisterHandler(QStringLiteral("fake-browser.desktop"),
                                        QStringLiteral("text/html")));
    ASSERT_TRUE(desktop.RegisterHandler(QStringLiteral("fake-chm.desktop"),
                                        QStringLiteral("application/vnd.ms-htmlhelp")));
    ClickHelp();

    ASSERT_EQ(dialogs.opened.size(), 1);
    EXPECT_EQ(dialogs.opened[0], ProgramFile(QStringLiteral("help.chm")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpTest, WithNothingToOpenItThePlainBoxSaysWhereTheHelpIs)
{
    ClickHelp();

    EXPECT_TRUE(dialogs.opened.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("不能打开帮助文件!\n") +
                                            ProgramFile(QStringLiteral("help/index.htm")));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("出错"));
}

TEST_F(HelpTest, WhenTheBrowserFailsToStartThePlainBoxSaysWhereTheHelpIs)
{
    ASSERT_TRUE(desktop.RegisterHandler(QStringLiteral("fake-browser.desktop"),
                                        QStringLiteral("text/html")));
    dialogs.openAnswers.push_back(false);
    ClickHelp();

    EXPECT_EQ(dialogs.opened.size(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("不能打开帮助文件!\n")));
}
