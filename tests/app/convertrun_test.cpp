#include "apptestfixture.h"
#include "modalwatcher.h"
#include "throttledruncontrol.h"

#include "convertrun.h"
#include "frmprogress.h"
#include "vekbutton.h"
#include "veklistbox.h"
#include "vekprogressbar.h"

#include <QDir>
#include <QLabel>
#include <QTest>

#include <functional>

namespace {

// 4 MiB: 64 chunks, seconds long with the engine slowed down.
const QByteArray kBigText = QByteArray(4 * 1024 * 1024 - 1, 'x') + "\n";
const QByteArray kOldPage = "old page\r\n";

TfrmProgress *VisibleProgressWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<TfrmProgress *>(w); p && p->isVisible())
            return p;
    return nullptr;
}

// What a poll during the run saw of the progress window.
struct Sighting
{
    QString Caption, Name, Count;
    int Position;
};

} // namespace

class ConvertRunTest : public AppTest
{
protected:
    ConvertRunTest()
    {
        qputenv("QM_THROTTLE_US", "20000");
        TConvertRun::ControlFactory() = &ThrottledRunControl::Make;
        form.show();
    }
    ~ConvertRunTest() override
    {
        TConvertRun::ControlFactory() = [] { return std::make_unique<RunControl>(); };
        qunsetenv("QM_THROTTLE_US");
    }

    // Converts through the button while a timer watches the progress window
    // every 10 ms; `act` runs at each sighting and returns true once it has
    // done what it wanted. Gives up after 20 s.
    QStringList Convert(const std::function<bool(TfrmProgress *)> &act)
    {
        bool done = false;
        QTimer poll;
        QElapsedTimer clock;
        clock.start();
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QApplication::overrideCursor())
                busyCursorSeen = QApplication::overrideCursor()->shape() == Qt::BusyCursor;
            TfrmProgress *progress = VisibleProgressWindow();
            if (progress && !done) {
                sightings.push_back({progress->windowTitle(), progress->lblName->text(),
                                     progress->lblCount->text(),
                                     progress->vekProgressBar1->Position()});
                done = act(progress);
            }
            if (clock.elapsed() > 20000 && progress)
                progress->Finish();
        });
        poll.start();
        ModalWatcher watcher;
        QTest::mouseClick(form.vekButton2, Qt::LeftButton, Qt::NoModifier,
                          form.vekButton2->rect().center());
        return watcher.Captions;
    }

    QStringList Listing() const { return QDir(dir.path()).entryList(QDir::Files); }

    std::vector<Sighting> sightings;
    bool busyCursorSeen = false;
};

TEST_F(ConvertRunTest, ProgressWindowShowsTheTextAndAdvancesThenClosesBeforeTheMessage)
{
    form.vekListBox1->addItem(WriteText("a.txt", "a\n"));
    form.vekListBox1->addItem(WriteText("big.txt", kBigText));
    // Watch until the bar has moved on twice.
    const QStringList captions = Convert([this](TfrmProgress *) {
        int moves = 0;
        for (std::size_t i = 1; i < sightings.size(); ++i)
            moves += sightings[i].Position > sightings[i - 1].Position;
        return moves >= 2;
    });

    EXPECT_EQ(captions, QStringList{QStringLiteral("提示")});
    EXPECT_EQ(form.vekMessageDialog1->Text(), QStringLiteral("列表框中所有txt文件已经成功转换！"));
    ASSERT_FALSE(sightings.empty());
    EXPECT_EQ(sightings.back().Caption, QStringLiteral("正在转换"));
    EXPECT_EQ(sightings.back().Name, QStringLiteral("big.txt"));
    EXPECT_EQ(sightings.back().Count, QStringLiteral("2 / 2"));
    EXPECT_GT(sightings.back().Position, sightings.front().Position);
    EXPECT_TRUE(busyCursorSeen);
    EXPECT_EQ(VisibleProgressWindow(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Listing().contains(QStringLiteral("big.htm")));
}

// The three ways of cancelling from the progress window.
class CancelWays : public ConvertRunTest, public testing::WithParamInterface<int>
{
};

TEST_P(CancelWays, StopTheRunKeepTheOldPageAndShowTheCancelMessage)
{
    form.vekListBox1->addItem(WriteText("a.txt", "a\n"));
    form.vekListBox1->addItem(WriteText("big.txt", kBigText));
    WriteText("big.htm", kOldPage);
    const int way = GetParam();
    const QStringList captions = Convert([this, way](TfrmProgress *progress) {
        if (sightings.back().Position == 0)
            return false;
        if (way == 0)
            QTest::mouseClick(progress->vekButton1, Qt::LeftButton, Qt::NoModifier,
                              progress->vekButton1->rect().center());
        else if (way == 1)
            QTest::keyClick(progress, Qt::Key_Escape);
        else
            progress->Close(); // as the title bar's close button does
        return true;
    });

    EXPECT_EQ(captions, QStringList{QStringLiteral("提示")});
    EXPECT_EQ(form.vekMessageDialog1->Text(), QStringLiteral("转换已取消\n已写入 1 个htm文件"));
    EXPECT_EQ(ReadFile(dir.filePath("big.htm")), kOldPage);
    // The page before stays; no temporary file is left.
    EXPECT_EQ(Listing(), (QStringList{"a.htm", "a.txt", "big.htm", "big.txt"}));
    EXPECT_EQ(VisibleProgressWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CancelWays, testing::Values(0, 1, 2), [](const testing::TestParamInfo<int> &info) {
        return std::string(info.param == 0 ? "Button" : info.param == 1 ? "Escape" : "Close");
    });

TEST_F(ConvertRunTest, ClosingTheMainWindowCancelsTheRunThenCloses)
{
    form.vekListBox1->addItem(WriteText("big.txt", kBigText));
    const QStringList captions = Convert([this](TfrmProgress *) {
        form.close();
        return true;
    });
    EXPECT_TRUE(captions.isEmpty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Listing(), QStringList{"big.txt"});
}

TEST_F(ConvertRunTest, TheMainWindowIgnoresInputWhileTheRunLasts)
{
    form.vekListBox1->addItem(WriteText("big.txt", kBigText));
    form.vekListBox1->item(0)->setSelected(true);
    bool clicked = false;
    Convert([&](TfrmProgress *progress) {
        if (!clicked) {
            // "删除选定" would remove the selected text.
            QTest::mouseClick(form.vekButton3, Qt::LeftButton, Qt::NoModifier,
                              form.vekButton3->rect().center());
            clicked = true;
            return false;
        }
        progress->Close();
        return true;
    });
    EXPECT_EQ(form.vekListBox1->count(), 1);
    // After the run the window takes input again.
    ModalWatcher watcher;
    QTest::mouseClick(form.vekButton3, Qt::LeftButton, Qt::NoModifier,
                      form.vekButton3->rect().center());
    EXPECT_EQ(form.vekListBox1->count(), 0);
}
