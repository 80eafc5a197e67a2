#include "apptestfixture.h"
#include "modalwatcher.h"

#include "tlabel.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "vekform.h"
#include "veklistbox.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

void Click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

QStringList ItemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// Runs the built txt2htm on a copy of `text` in a folder of its own and returns
// its page.
QByteArray Txt2htmPage(const QString &text, const QStringList &options)
{
    const QFileInfo info(text);
    const QString folder = info.dir().filePath(QStringLiteral("txt2htm"));
    QDir().mkpath(folder);
    const QString copy = folder + QLatin1Char('/') + info.fileName();
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(text, copy));
    QProcess tool;
    tool.setWorkingDirectory(folder);
    tool.start(QStringLiteral(TXT2HTM_PATH), QStringList(options) << info.fileName());
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(tool.readAllStandardError(), QByteArray());
    QFile page(folder + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".htm"));
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

} // namespace

class MorefontTest : public AppTest
{
protected:
    MorefontTest() { morefont.show(); }

    // Converts one text through the main window and returns its page.
    QByteArray PageOf(const QString &text)
    {
        form.vekListBox1->clear();
        form.vekListBox1->addItem(text);
        ModalWatcher watcher;
        form.vekButton2Click(nullptr);
        EXPECT_EQ(watcher.Captions, QStringList{QStringLiteral("提示")});
        return ReadFile(text.left(text.size() - 3) + QStringLiteral("htm"));
    }

    // Sets the two page options by clicking their check boxes.
    void SetPageOptions(bool charset, bool escape)
    {
        if (morefont.vekCheckBox3->Checked() != charset)
            Click(morefont.vekCheckBox3);
        if (morefont.vekCheckBox4->Checked() != escape)
            Click(morefont.vekCheckBox4);
        ASSERT_EQ(morefont.vekCheckBox3->Checked(), charset);
        ASSERT_EQ(morefont.vekCheckBox4->Checked(), escape);
    }
};

TEST_F(MorefontTest, StartsWithHeadingCentredSizeTwoBodyFourBlack)
{
    EXPECT_EQ(ItemTexts(morefont.vekComboBox1), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(morefont.vekComboBox1->currentText(), QStringLiteral("2"));
    EXPECT_EQ(ItemTexts(morefont.vekComboBox2), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(morefont.vekComboBox2->currentText(), QStringLiteral("4"));
    EXPECT_EQ(morefont.vekComboBox1->Style(), TComboBoxStyle::csDropDownList);

    ConversionOptions options;
    options.HeadingSize = options.BodySize = "?";
    morefont.ReadOptions(options);
    EXPECT_TRUE(options.HeadingFromFirstLine);
    EXPECT_TRUE(options.CenterHeading);
    EXPECT_EQ(options.HeadingSize, "2");
    EXPECT_EQ(options.BodySize, "4");
    EXPECT_EQ(options.HeadingColor, clBlack);
}

TEST_F(MorefontTest, HeadingOffUnchecksAndDisablesItsSettingsAndBack)
{
    Click(morefont.vekCheckBox1);
    EXPECT_FALSE(morefont.vekCheckBox1->Checked());
    EXPECT_FALSE(morefont.vekCheckBox2->Checked());
    const QList<QWidget *> headingControls = {morefont.vekCheckBox2, morefont.Label2,
                                              morefont.vekComboBox1, morefont.vekButton1};
    for (QWidget *control : headingControls)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(morefont.vekComboBox2->isEnabled());
    EXPECT_TRUE(morefont.Label1->isEnabled());

    Click(morefont.vekCheckBox1);
    EXPECT_TRUE(morefont.vekCheckBox2->Checked());
    for (QWidget *control : headingControls)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
}

TEST_F(MorefontTest, WithTheHeadingOffItsSettingsDoNotShowButTheBodySizeDoes)
{
    const QString text = WriteText("t.txt", "Title\nbody text\n");
    const QByteArray withHeading = PageOf(text);
    ASSERT_TRUE(withHeading.contains("<h2>"));

    Click(morefont.vekCheckBox1);
    const QByteArray plain = PageOf(text);
    EXPECT_FALSE(plain.contains("</h2>"));
    EXPECT_FALSE(plain.contains("center"));

    morefont.vekComboBox1->setCurrentIndex(5);
    morefont.Label3->SetFontColor(clRed);
    EXPECT_EQ(PageOf(text), plain);

    morefont.vekComboBox2->setCurrentIndex(6);
    const QByteArray larger = PageOf(text);
    EXPECT_NE(larger, plain);
    EXPECT_TRUE(larger.contains("size=7"));
}

TEST_F(MorefontTest, ColourDialogSetsTheHeadingColourOrReportsCancel)
{
    dialogs.colors.push_back(TColor(0x00008000));
    Click(morefont.vekButton1);
    EXPECT_EQ(morefont.Label3->FontColor(), 0x00008000);

    Click(morefont.vekButton1);
    EXPECT_EQ(morefont.Label3->FontColor(), 0x00008000);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("不能打开颜色选择框!"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("出错"));
    // The dialog's own colour dialog, not the main window's.
    EXPECT_EQ(dialogs.colorRequests, (std::vector<TColor>{clBlack, 0x00008000}));
    EXPECT_EQ(form.ColorDialog1.Color, clBlack);
}

// OK and the title bar's close button both end the modal run and keep every change.
TEST_F(MorefontTest, ClosingByOkOrTitleBarKeepsTheChanges)
{
    morefont.hide();
    // True when the control itself ended the modal run.
    const auto closeBy = [this](bool titleBar) {
        ModalWatcher watcher;
        bool closed = false;
        watcher.OnModal = [&](QWidget *) {
            morefont.vekComboBox1->setCurrentIndex(titleBar ? 5 : 4);
            Click(morefont.vekCheckBox1);
            if (!titleBar) {
                Click(morefont.vekButton2);
            } else {
                TvekTitleBarButtons *buttons = morefont.vekForm1->TitleBarButtons();
                for (int i = 0; i < buttons->Count(); ++i)
                    if (buttons->Items(i)->ButtonType() == TvekTitleBarBtnType::vekClose)
                        buttons->Items(i)->DoClick();
            }
            closed = !morefont.isVisible();
        };
        form.vekButton9Click(nullptr);
        EXPECT_EQ(watcher.Captions.size(), 1);
        return closed;
    };

    EXPECT_TRUE(closeBy(false));
    EXPECT_FALSE(morefont.isVisible());
    EXPECT_EQ(morefont.vekComboBox1->currentText(), QStringLiteral("5"));
    EXPECT_FALSE(morefont.vekCheckBox1->Checked());

    EXPECT_TRUE(closeBy(true));
    EXPECT_FALSE(morefont.isVisible());
    EXPECT_EQ(morefont.vekComboBox1->currentText(), QStringLiteral("6"));
    EXPECT_TRUE(morefont.vekCheckBox1->Checked());
}

TEST_F(MorefontTest, PageOptionsStartOffAndReadAsTheirCheckBoxes)
{
    ConversionOptions options;
    options.Charset = "latin1";
    options.Escape = true;
    morefont.ReadOptions(options);
    EXPECT_EQ(options.Charset, "");
    EXPECT_FALSE(options.Escape);

    SetPageOptions(true, false);
    morefont.ReadOptions(options);
    EXPECT_EQ(options.Charset, kAutoCharset);
    EXPECT_FALSE(options.Escape);

    SetPageOptions(false, true);
    morefont.ReadOptions(options);
    EXPECT_EQ(options.Charset, "");
    EXPECT_TRUE(options.Escape);
}

// A page from the window with a page option on is txt2htm's page with the
// same option, byte for byte.
TEST_F(MorefontTest, PageOptionsGiveTxt2htmsPages)
{
    struct TextCase
    {
        const char *name;
        QByteArray bytes;
        const char *charset; // what --charset=auto declares for it
    };
    const TextCase texts[] = {
        {"utf8.txt", "中文标题\r\n第二行 text\r\n", "utf-8"},
        {"bom.txt", "\xEF\xBB\xBF中文标题\n正文\n", "utf-8"},
        {"gbk.txt", "\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2\r\n\xD5\xFD\xCE\xC4 GBK\r\n", "gb18030"},
        {"markup.txt", "a <b> & \"c\"\r\n<p>x > y && z</p>\r\n", "utf-8"},
    };
    struct OptionCase
    {
        bool charset, escape;
        QStringList arguments;
    };
    const OptionCase optionSets[] = {
        {true, false, {"--charset=auto"}},
        {false, true, {"--escape"}},
        {true, true, {"--charset=auto", "--escape"}},
    };
    for (const TextCase &text : texts) {
        const QString path = WriteText(QString::fromLatin1(text.name), text.bytes);
        for (const OptionCase &set : optionSets) {
            SCOPED_TRACE(std::string(text.name) + " " + set.arguments.join(' ').toStdString());
            SetPageOptions(set.charset, set.escape);
            const QByteArray page = PageOf(path);
            EXPECT_EQ(page, Txt2htmPage(path, set.arguments));
            const QByteArray declaration = QByteArray("charset=") + text.charset + "\">";
            EXPECT_EQ(page.contains(declaration), set.charset);
        }
    }
    const QString markup = dir.filePath(QStringLiteral("markup.txt"));
    SetPageOptions(false, true);
    EXPECT_TRUE(PageOf(markup).contains("a&nbsp;&lt;b&gt;&nbsp;&amp;&nbsp;&quot;c&quot;"));
    SetPageOptions(false, false);
    EXPECT_EQ(PageOf(markup), Txt2htmPage(markup, {}));
    EXPECT_FALSE(PageOf(markup).contains("&lt;"));
}

// Without markup there is nothing to declare or escape: the page is the text.
TEST_F(MorefontTest, WithoutMarkupThePageOptionsDoNotApply)
{
    const QString text = WriteText("plain.txt", "中文 <b> & c\r\nline\r\n");
    SetPageOptions(true, true);
    Click(form.vekCheckBox2);
    ASSERT_TRUE(form.vekCheckBox2->Checked());
    const QByteArray page = PageOf(text);
    EXPECT_EQ(page, Txt2htmPage(text, {"--no-markup"}));
    EXPECT_EQ(page, QByteArray("中文 <b> & c\r\nline\r\n"));
}
