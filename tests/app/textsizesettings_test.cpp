#include "apptestfixture.h"
#include "modalwatcher.h"

#include "textsizesettings.h"
#include "tlabel.h"
#include "vekbutton.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

void Click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

// A text-size dialog that records what the main window asks of it and holds
// options unlike the real dialog's defaults.
class RecordingTextSizeSettings : public TTextSizeSettings
{
public:
    void SetPreviewBackground(TColor color) override
    {
        calls.push_back("background " + std::to_string(color));
    }
    void ShowDialog() override { calls.push_back("show"); }
    void ReadOptions(ConversionOptions &options) const override
    {
        ++reads;
        options.HeadingFromFirstLine = false;
        options.CenterHeading = false;
        options.HeadingSize = "6";
        options.BodySize = "1";
        options.HeadingColor = 0x00FF0000;
        options.Charset = kAutoCharset;
        options.Escape = true;
    }

    std::vector<std::string> calls;
    mutable int reads = 0;
};

} // namespace

class TextSizeSettingsTest : public AppTest
{
protected:
    TextSizeSettingsTest()
    {
        form.SetTextSizeDialog(&settings);
        form.show();
    }

    RecordingTextSizeSettings settings;
};

TEST_F(TextSizeSettingsTest, TheButtonHandsThePageBackgroundToTheDialogBeforeShowingIt)
{
    dialogs.colors.push_back(TColor(0x00336699));
    Click(form.vekButton5);
    ModalWatcher watcher;
    Click(form.vekButton9);

    EXPECT_EQ(settings.calls,
              (std::vector<std::string>{"background " + std::to_string(0x00336699), "show"}));
    EXPECT_TRUE(watcher.Captions.isEmpty());
    EXPECT_FALSE(morefont.isVisible());
}

TEST_F(TextSizeSettingsTest,
       TheRunsOptionsTakeHeadingAndBodyFromTheDialogGivenAndTheRestFromTheWindow)
{
    const ConversionOptions options = form.ReadOptions();

    EXPECT_EQ(settings.reads, 1);
    EXPECT_FALSE(options.HeadingFromFirstLine);
    EXPECT_FALSE(options.CenterHeading);
    EXPECT_EQ(options.HeadingSize, "6");
    EXPECT_EQ(options.BodySize, "1");
    EXPECT_EQ(options.HeadingColor, 0x00FF0000);
    EXPECT_EQ(options.Charset, kAutoCharset);
    EXPECT_TRUE(options.Escape);
    EXPECT_TRUE(options.TitleFromFirstLine);
    EXPECT_EQ(options.PageColor, clWhite);
    EXPECT_EQ(options.TextColor, clBlack);
}

TEST_F(TextSizeSettingsTest, EveryConversionReadsTheDialogOnce)
{
    for (int run = 1; run <= 2; ++run) {
        ModalWatcher watcher;
        Click(form.vekButton2);
        EXPECT_EQ(settings.reads, run);
    }
}

TEST_F(TextSizeSettingsTest, WithoutADialogTheButtonDoesNothingAndHeadingAndBodyKeepTheirDefaults)
{
    form.SetTextSizeDialog(nullptr);
    ModalWatcher watcher;
    Click(form.vekButton9);
    const ConversionOptions options = form.ReadOptions();

    EXPECT_TRUE(watcher.Captions.isEmpty());
    EXPECT_TRUE(settings.calls.empty());
    EXPECT_EQ(settings.reads, 0);
    const ConversionOptions defaults;
    EXPECT_EQ(options.HeadingFromFirstLine, defaults.HeadingFromFirstLine);
    EXPECT_EQ(options.CenterHeading, defaults.CenterHeading);
    EXPECT_EQ(options.HeadingSize, defaults.HeadingSize);
    EXPECT_EQ(options.BodySize, defaults.BodySize);
    EXPECT_EQ(options.HeadingColor, defaults.HeadingColor);
    EXPECT_EQ(options.Charset, defaults.Charset);
    EXPECT_EQ(options.Escape, defaults.Escape);
}
