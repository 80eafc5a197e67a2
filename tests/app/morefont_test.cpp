#include "apptestfixture.h"
#include "modalwatcher.h"

#include "tlabel.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "vekform.h"
#include "veklistbox.h"

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
