#include "apptestfixture.h"
#include "modalwatcher.h"

#include "batchrun.h"
#include "tlabel.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "vekform.h"
#include "veklistbox.h"
#include "vekurllabel.h"

#include <QDir>
#include <QIcon>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <vector>

namespace {

void Click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

QStringList Items(const TvekListBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Records what a batch run reports.
class RecordingSink : public MessageSink
{
public:
    void ShowMessage(const std::string &text, MessageIcon, const std::string &) override
    {
        messages.push_back(text);
    }
    void ShowPlainError(const std::string &text, const std::string &) override
    {
        messages.push_back(text);
    }
    std::vector<std::string> messages;
};

const QString kCannotOpenFile = QStringLiteral("不能打开文件!");
const QString kCannotOpenColorDialog = QStringLiteral("不能打开颜色选择框!");
const QString kErrorCaption = QStringLiteral("出错");

} // namespace

class Form1Test : public AppTest
{
protected:
    Form1Test() { form.show(); }

    // Runs the engine itself over copies of the texts in a folder of their own.
    QByteArray EnginePage(const QString &textPath, const ConversionOptions &options)
    {
        QDir(dir.path()).mkpath(QStringLiteral("engine"));
        const QString copy =
            dir.filePath(QStringLiteral("engine/") + QFileInfo(textPath).fileName());
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(textPath, copy));
        RecordingSink sink;
        ConvertFiles(StringItemList({QFile::encodeName(copy).toStdString()}), options, sink);
        return ReadFile(PagePath(copy));
    }

    static QString PagePath(const QString &textPath)
    {
        return textPath.left(textPath.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".htm");
    }

    // Converts through the window's button; the completion message is closed.
    QStringList Convert()
    {
        ModalWatcher watcher;
        Click(form.vekButton2);
        return watcher.Captions;
    }
};

TEST_F(Form1Test, AddingFilesAppendsThemInOrderWithDuplicates)
{
    const QString a = WriteText("a.txt", "a"), b = WriteText("b.txt", "b");
    dialogs.files.push_back(QStringList{a, b});
    dialogs.files.push_back(QStringList{a});
    Click(form.vekButton1);
    Click(form.vekButton1);

    EXPECT_EQ(Items(form.vekListBox1), (QStringList{a, b, a}));
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("纯文本文件|.txt"));
    EXPECT_EQ(dialogs.fileRequests[0].fileName, QStringLiteral("*.txt")); // in the name field
    EXPECT_EQ(form.OpenDialog1.FileName, QStringLiteral("*.txt"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Test, CancellingTheOpenDialogShowsTheErrorBoxAndKeepsTheList)
{
    dialogs.files.push_back(QStringList{WriteText("a.txt", "a")});
    Click(form.vekButton1);
    dialogs.files.push_back(std::nullopt);
    Click(form.vekButton1);

    EXPECT_EQ(form.vekListBox1->count(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kCannotOpenFile);
    EXPECT_EQ(dialogs.messages[0].caption, kErrorCaption);
    EXPECT_EQ(dialogs.messages[0].kind, TMessageBoxKind::OkCancel);
}

TEST_F(Form1Test, DeleteRemovesThreeNeighbouringSelectedItems)
{
    form.vekListBox1->addItems({"0", "1", "2", "3", "4"});
    for (int i = 1; i <= 3; ++i)
        form.vekListBox1->item(i)->setSelected(true);
    ModalWatcher watcher;
    Click(form.vekButton3);

    EXPECT_EQ(Items(form.vekListBox1), (QStringList{"0", "4"}));
    EXPECT_TRUE(watcher.Captions.isEmpty());
}

TEST_F(Form1Test, DeleteWithNothingSelectedWarns)
{
    form.vekListBox1->addItems({"0", "1"});
    ModalWatcher watcher;
    Click(form.vekButton3);

    EXPECT_EQ(form.vekListBox1->count(), 2);
    EXPECT_EQ(watcher.Captions, QStringList{QStringLiteral("警告")});
    EXPECT_EQ(form.vekMessageDialog1->Text(), QStringLiteral("请先在列表框中选中要删除的文件！"));
    EXPECT_EQ(form.vekMessageDialog1->IconType(), TvekIconType::vekWarning);
}

TEST_F(Form1Test, NoMarkupDisablesTitleLayoutColoursAndSizeAndBack)
{
    Click(form.vekCheckBox4);
    ASSERT_TRUE(form.vekCheckBox4->Checked());

    Click(form.vekCheckBox2);
    EXPECT_TRUE(form.vekCheckBox2->Checked());
    EXPECT_FALSE(form.vekCheckBox1->Checked());
    EXPECT_FALSE(form.vekCheckBox4->Checked());
    const QList<QWidget *> locked = {form.vekCheckBox1, form.vekCheckBox4, form.vekButton4,
                                     form.vekButton5, form.vekButton9};
    for (QWidget *control : locked)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(form.vekCheckBox3->isEnabled());

    Click(form.vekCheckBox2);
    EXPECT_FALSE(form.vekCheckBox2->Checked());
    EXPECT_TRUE(form.vekCheckBox1->Checked());
    EXPECT_FALSE(form.vekCheckBox4->Checked());
    for (QWidget *control : locked)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
}

TEST_F(Form1Test, ColourButtonsShareOneDialogThatKeepsTheLastChoice)
{
    dialogs.colors.push_back(TColor(0x00123456));
    Click(form.vekButton4);
    dialogs.colors.push_back(TColor(0x0000A0C0));
    Click(form.vekButton5);

    EXPECT_EQ(form.Label1->FontColor(), 0x00123456);
    EXPECT_EQ(form.Label1->Color(), 0x0000A0C0);
    EXPECT_EQ(dialogs.colorRequests, (std::vector<TColor>{clBlack, 0x00123456}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Test, CancelledColourDialogsLeaveTheColoursAndShowTheErrorBox)
{
    Click(form.vekButton4);
    Click(form.vekButton5);

    EXPECT_EQ(form.Label1->FontColor(), clBlack);
    EXPECT_EQ(form.Label1->Color(), clWhite);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto &message : dialogs.messages) {
        EXPECT_EQ(message.text, kCannotOpenColorDialog);
        EXPECT_EQ(message.caption, kErrorCaption);
        EXPECT_EQ(message.kind, TMessageBoxKind::OkCancel);
    }
}

TEST_F(Form1Test, TextSizeButtonShowsTheDialogOnThePageBackground)
{
    dialogs.colors.push_back(TColor(0x00336699));
    Click(form.vekButton5);
    morefont.Label3->SetColor(clWhite);

    ModalWatcher watcher;
    TColor previewWhileShown = clWhite;
    watcher.OnModal = [&](QWidget *window) {
        if (window == &morefont)
            previewWhileShown = morefont.Label3->Color();
    };
    Click(form.vekButton9);

    EXPECT_EQ(watcher.Captions, QStringList{QStringLiteral("对文本大小进行详细设置")});
    EXPECT_EQ(previewWhileShown, 0x00336699);
    EXPECT_FALSE(morefont.isVisible());
}

TEST_F(Form1Test, AboutShowsTheFiveLineText)
{
    ModalWatcher watcher;
    Click(form.vekButton8);

    EXPECT_EQ(watcher.Captions, QStringList{QStringLiteral("About")});
    const QStringList lines = form.vekMessageDialog1->Text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("       Quorvel Marlune v1.10"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("          by ")));
    EXPECT_FALSE(lines[2].startsWith(QStringLiteral("           ")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" 2005,8")));
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Email:  ")));
    EXPECT_EQ(form.vekMessageDialog1->IconType(), TvekIconType::vekInformation);
}

TEST_F(Form1Test, ExitClosesTheWindow)
{
    Click(form.vekButton7);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Form1Test, ConvertingAnEmptyListWarns)
{
    EXPECT_EQ(Convert(), QStringList{QStringLiteral("警告")});
    EXPECT_EQ(form.vekMessageDialog1->Text(), QStringLiteral("  列表框中没有任何文件！"));
    EXPECT_EQ(form.vekMessageDialog1->IconType(), TvekIconType::vekWarning);
}

// Every option set through its control reaches the pages, which equal the
// engine's own for the same options.
TEST_F(Form1Test, ConversionWritesTheEnginesPagesForTheControlsOptions)
{
    const QString a = WriteText("a.txt", "  First line\r\nsecond\tline  x\r\n\r\nend");
    const QString b = WriteText("b.txt", "\xc4\xe3\xba\xc3 GBK\nline two\n");
    dialogs.files.push_back(QStringList{a, b});
    Click(form.vekButton1);
    Click(form.vekCheckBox3);
    Click(form.vekCheckBox4);
    dialogs.colors.push_back(TColor(0x00123456));
    Click(form.vekButton4);
    dialogs.colors.push_back(TColor(0x0000A0C0));
    Click(form.vekButton5);
    dialogs.colors.push_back(TColor(0x00FF0000));
    Click(morefont.vekButton1);
    morefont.vekComboBox1->setCurrentIndex(2);
    morefont.vekComboBox2->setCurrentIndex(4);

    EXPECT_EQ(Convert(), QStringList{QStringLiteral("提示")});
    EXPECT_EQ(form.vekMessageDialog1->Text(), QStringLiteral("列表框中所有txt文件已经成功转换！"));
    EXPECT_EQ(form.vekMessageDialog1->IconType(), TvekIconType::vekInformation);

    ConversionOptions expected;
    expected.StripLeadingSpace = true;
    expected.KeepFormat = true;
    expected.TextColor = 0x00123456;
    expected.PageColor = 0x0000A0C0;
    expected.HeadingColor = 0x00FF0000;
    expected.HeadingSize = "3";
    expected.BodySize = "5";
    for (const QString &text : {a, b}) {
        const QByteArray page = ReadFile(PagePath(text));
        ASSERT_FALSE(page.isEmpty()) << text.toStdString();
        EXPECT_EQ(page, EnginePage(text, expected)) << text.toStdString();
    }
    EXPECT_TRUE(ReadFile(PagePath(a)).contains("bgcolor=#C0A000 text=#563412"));
    EXPECT_EQ(form.vekListBox1->count(), 2);
}

TEST_F(Form1Test, AMissingTextStopsTheRunWithThePlainErrorBox)
{
    const QString a = WriteText("a.txt", "a");
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const QString c = WriteText("c.txt", "c");
    dialogs.files.push_back(QStringList{a, missing, c});
    Click(form.vekButton1);

    EXPECT_TRUE(Convert().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.split(QLatin1Char('\n')),
              (QStringList{kCannotOpenFile, missing}));
    EXPECT_EQ(dialogs.messages[0].caption, kErrorCaption);
    EXPECT_TRUE(QFileInfo::exists(PagePath(a)));
    EXPECT_FALSE(QFileInfo::exists(PagePath(c)));
}

// The main window is the application's main window, a normal top-level
// window; the text-size dialog is a dialog tied to it.
TEST_F(Form1Test, MainWindowIsANormalWindowAndTheDialogIsTiedToIt)
{
    EXPECT_EQ(TForm::MainForm(), &form);
    EXPECT_EQ(form.windowType(), Qt::Window);
    EXPECT_EQ(morefont.windowType(), Qt::Dialog);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    morefont.show();
    ASSERT_NE(morefont.windowHandle(), nullptr);
    EXPECT_EQ(morefont.windowHandle()->transientParent(), form.windowHandle());
    EXPECT_EQ(form.windowHandle()->transientParent(), nullptr);
    morefont.hide();
}

// Task bars and title bars ask for 16, 32, 48 and more: each size has an
// image of its own, and the small ones are drawn for their size, not the
// large one scaled down.
TEST_F(Form1Test, WindowIconHasAnImageForEverySize)
{
    const QIcon icon = form.windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    const QImage large = icon.pixmap(QSize(256, 256)).toImage();
    ASSERT_EQ(large.size(), QSize(256, 256));
    for (int side : {16, 24, 32}) {
        const QImage small =
            icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(small.size(), QSize(side, side));
        const QImage scaled =
            large.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        int different = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb a = small.pixel(x, y), b = scaled.pixel(x, y);
                if (std::abs(qAlpha(a) - qAlpha(b)) > 60 || std::abs(qGray(a) - qGray(b)) > 60)
                    ++different;
            }
        EXPECT_GT(different, side) << side << " looks like the large image scaled";
        // Drawn on the pixel grid: its edges are whole pixels, opaque or clear.
        int partial = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const int alpha = qAlpha(small.pixel(x, y));
                partial += alpha > 0 && alpha < 255;
            }
        EXPECT_LT(partial, side) << side;
    }
}

// The link label shows the panel's colour, not a lighter button-face box.
TEST_F(Form1Test, LinkLabelShowsThePanelColour)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(form.vekURLLabel1->ParentColor());
    const QImage panel = form.vekForm1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = form.vekURLLabel1->geometry();
    int lighter = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            lighter += panel.pixel(x, y) == qRgb(0xEF, 0xEF, 0xEF);
    EXPECT_EQ(lighter, 0);
    EXPECT_EQ(panel.pixel(area.right(), area.bottom()), qRgb(0xE8, 0xE8, 0xE8));
}
