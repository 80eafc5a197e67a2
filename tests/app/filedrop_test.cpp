#include "apptestfixture.h"

#include "filedrop.h"
#include "startuparguments.h"
#include "veklistbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <memory>

namespace {

QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

std::unique_ptr<QMimeData> UrlsOf(const QStringList &paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Whether a drag carrying this data may enter the target.
bool Enters(QWidget *target, const QMimeData *data)
{
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

// A drop, as the desktop delivers it: after the drag has entered (Qt hands a
// drop only to the widget that accepted the drag's entry).
bool Drops(QWidget *target, const QMimeData *data)
{
    Enters(target, data);
    QDropEvent drop(QPointF(target->rect().center()), Qt::CopyAction, data, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

class FileDropTest : public AppTest
{
protected:
    FileDropTest()
    {
        a = WriteText(QStringLiteral("a.txt"), "a");
        b = WriteText(QStringLiteral("b.txt"), "b");
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        QDir(dir.filePath(QStringLiteral("folder"))).mkdir(QStringLiteral("inner"));
        // Written out of order: a folder's texts come sorted by name.
        folderC = WriteText(QStringLiteral("folder/c.txt"), "c");
        folderA = WriteText(QStringLiteral("folder/a.txt"), "a");
        WriteText(QStringLiteral("folder/notes.md"), "not a text");
        WriteText(QStringLiteral("folder/inner/deep.txt"), "not at the top");
    }

    QString a, b, folderA, folderC;
};

} // namespace

TEST_F(FileDropTest, TextFilesOfKeepsTheOrderAndOpensFoldersOneLevel)
{
    const QStringList files = TextFilesOf(
        {b, dir.filePath(QStringLiteral("folder")), a, dir.filePath(QStringLiteral("gone.txt"))});
    EXPECT_EQ(files, (QStringList{b, folderA, folderC, a}));
}

TEST_F(FileDropTest, TextFilesOfMakesRelativePathsAbsolute)
{
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QStringList files = TextFilesOf({QStringLiteral("b.txt"), QStringLiteral("a.txt")});
    QDir::setCurrent(saved);
    EXPECT_EQ(files, (QStringList{b, a}));
}

TEST_F(FileDropTest, TwoDroppedFilesAreAppendedInTheOrderOfTheDrop)
{
    form.vekListBox1->addItem(QStringLiteral("/already/there.txt"));
    const auto data = UrlsOf({b, a});
    QWidget *viewport = form.vekListBox1->viewport();

    EXPECT_TRUE(Enters(viewport, data.get()));
    EXPECT_TRUE(Drops(viewport, data.get()));

    EXPECT_EQ(Items(form.vekListBox1), (QStringList{QStringLiteral("/already/there.txt"), b, a}));
    EXPECT_TRUE(viewport->acceptDrops());
}

TEST_F(FileDropTest, ADroppedFolderAddsItsTextsSortedAndTheSameFileMayComeTwice)
{
    const auto data = UrlsOf({a, dir.filePath(QStringLiteral("folder")), a});
    EXPECT_TRUE(Drops(form.vekListBox1->viewport(), data.get()));
    EXPECT_EQ(Items(form.vekListBox1), (QStringList{a, folderA, folderC, a}));
}

TEST_F(FileDropTest, TheListsBorderTakesDropsToo)
{
    const auto data = UrlsOf({a});
    EXPECT_TRUE(Enters(form.vekListBox1, data.get()));
    EXPECT_TRUE(Drops(form.vekListBox1, data.get()));
    EXPECT_EQ(Items(form.vekListBox1), QStringList{a});
}

TEST_F(FileDropTest, DragsWithoutLocalFilesAreRefusedAndChangeNothing)
{
    QMimeData text;
    text.setText(a);
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/a.txt"))});
    const auto missing = UrlsOf({dir.filePath(QStringLiteral("gone.txt"))});
    QWidget *viewport = form.vekListBox1->viewport();

    for (const QMimeData *data :
         {static_cast<const QMimeData *>(&text), static_cast<const QMimeData *>(&remote),
          static_cast<const QMimeData *>(missing.get())}) {
        EXPECT_FALSE(Enters(viewport, data));
        EXPECT_FALSE(Drops(viewport, data));
    }
    EXPECT_EQ(form.vekListBox1->count(), 0);
}

namespace {

struct ArgumentsCase
{
    QStringList Arguments;
    TStartupArguments::TAction Action;
    QStringList Files;
    QString BadArgument;
};

} // namespace

TEST(StartupArguments, HelpVersionFilesAndUsageErrors)
{
    using A = TStartupArguments::TAction;
    const ArgumentsCase cases[] = {
        {{}, A::Run, {}, {}},
        {{"a.txt", "b.txt"}, A::Run, {"a.txt", "b.txt"}, {}},
        {{"--help"}, A::Help, {}, {}},
        {{"a.txt", "-h"}, A::Help, {"a.txt"}, {}},
        {{"--version", "--bogus"}, A::Version, {}, {}},
        {{"--bogus", "--version"}, A::Version, {}, "--bogus"},
        {{"--bogus", "a.txt"}, A::UsageError, {"a.txt"}, "--bogus"},
        {{"--", "--help", "-x.txt"}, A::Run, {"--help", "-x.txt"}, {}},
        {{"-"}, A::Run, {"-"}, {}},
    };
    for (const ArgumentsCase &c : cases) {
        const TStartupArguments parsed = ParseStartupArguments(c.Arguments);
        const std::string where = c.Arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(parsed.Action, c.Action) << where;
        EXPECT_EQ(parsed.Files, c.Files) << where;
        EXPECT_EQ(parsed.BadArgument, c.BadArgument) << where;
    }
}
