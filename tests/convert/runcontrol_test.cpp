#include "batchrun.h"
#include "runcontrol.h"
#include "tempdir.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct Shown
{
    std::string Text;
    bool Plain;
    bool operator==(const Shown &) const = default;
};

// Records what a run shows; can ask for a cancel once a page is written.
class RecordingSink : public MessageSink
{
public:
    void ShowMessage(const std::string &text, MessageIcon, const std::string &) override
    {
        Reports.push_back({text, false});
    }
    void ShowPlainError(const std::string &text, const std::string &) override
    {
        Reports.push_back({text, true});
    }
    void PageWritten(const std::string &pagePath) override
    {
        Pages.push_back(pagePath);
        if (CancelAfterPage && Control)
            Control->RequestCancel();
    }

    std::vector<Shown> Reports;
    std::vector<std::string> Pages;
    bool CancelAfterPage = false;
    RunControl *Control = nullptr;
};

// Asks for a cancel when the text `item` has been read up to `offset`, and
// records the progress each chunk reports.
class CancelAt : public RunControl
{
public:
    CancelAt(int item, std::uint64_t offset) : FItem(item), FOffset(offset) {}
    bool TextRead(std::uint64_t offset) noexcept override
    {
        Seen.push_back(Progress());
        if (Progress().ItemsDone == FItem && offset >= FOffset)
            RequestCancel();
        return RunControl::TextRead(offset);
    }
    std::vector<RunProgress> Seen;

private:
    int FItem;
    std::uint64_t FOffset;
};

const std::string kDone = "列表框中所有txt文件已经成功转换！";
// Several reading chunks of text: a cancel can come in the middle.
const std::string kLongText = std::string(300 * 1024, 'x') + "\n";
const std::string kOldPage = "old page\r\n";

Shown Cancelled(int pages)
{
    return {"转换已取消\n已写入 " + std::to_string(pages) + " 个htm文件", false};
}

class RunControlTest : public testing::Test
{
protected:
    RunControlTest()
    {
        WriteFile(P("a.txt"), kLongText);
        WriteFile(P("b.txt"), kLongText);
    }
    std::vector<Shown> Run(RunControl &control)
    {
        Sink.Control = &control;
        ConvertFiles(StringItemList({P("a.txt"), P("b.txt")}), ConversionOptions(), Sink, &control);
        return Sink.Reports;
    }
    std::set<std::string> Listing() const
    {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(Dir.Path()))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::string P(const std::string &name) const { return Dir.Path(name); }

    TempDir Dir;
    RecordingSink Sink;
};

TEST_F(RunControlTest, WithoutCancelTheRunCompletesAndReportsProgress)
{
    CancelAt control(-1, 0);
    EXPECT_EQ(Run(control), (std::vector<Shown>{{kDone, false}}));
    EXPECT_FALSE(control.Cancelled());
    const RunProgress end = control.Progress();
    EXPECT_EQ(end.ItemsDone, 2);
    EXPECT_EQ(end.ItemCount, 2);
    EXPECT_EQ(end.PagesWritten, 2);
    EXPECT_EQ(end.BatchSize, 2 * kLongText.size());
    EXPECT_EQ(end.BatchRead, 2 * kLongText.size());
    // Mid-way through the second text: its path, its size, the bytes so far.
    ASSERT_FALSE(control.Seen.empty());
    const RunProgress mid = control.Seen.back();
    EXPECT_EQ(mid.ItemsDone, 1);
    EXPECT_EQ(mid.CurrentPath, P("b.txt"));
    EXPECT_EQ(mid.TextSize, kLongText.size());
    EXPECT_GT(mid.TextRead, 0u);
    EXPECT_LT(mid.TextRead, kLongText.size());
    EXPECT_EQ(mid.BatchRead, kLongText.size() + mid.TextRead);
}

// Where the cancel comes, whether old pages were there, and what must remain.
struct CancelCase
{
    const char *Name;
    int Item;             // the text being read when the cancel comes; -1: none
    std::uint64_t Offset; // how far into it
    bool BetweenItems;    // the cancel comes once the first page is written
    bool CancelFirst;     // the cancel is asked for before the run
    bool OldPages;
    int PagesWritten;
};

class CancelMoments : public RunControlTest, public testing::WithParamInterface<CancelCase>
{
};

TEST_P(CancelMoments, DiscardsThePageBeingWrittenAndKeepsTheOnesBefore)
{
    const CancelCase c = GetParam();
    if (c.OldPages) {
        WriteFile(P("a.htm"), kOldPage);
        WriteFile(P("b.htm"), kOldPage);
    }
    CancelAt control(c.Item, c.Offset);
    if (c.CancelFirst)
        control.RequestCancel();
    Sink.CancelAfterPage = c.BetweenItems;

    EXPECT_EQ(Run(control), std::vector<Shown>{Cancelled(c.PagesWritten)});
    EXPECT_TRUE(control.Cancelled());
    EXPECT_EQ(control.Progress().PagesWritten, c.PagesWritten);
    EXPECT_EQ(Sink.Pages.size(), std::size_t(c.PagesWritten));

    std::set<std::string> expected{"a.txt", "b.txt"};
    for (int i = 0; i < 2; ++i) {
        const std::string page = i == 0 ? "a.htm" : "b.htm";
        if (i < c.PagesWritten) {
            EXPECT_NE(ReadFile(P(page)), kOldPage) << page;
            expected.insert(page);
        } else if (c.OldPages) {
            EXPECT_EQ(ReadFile(P(page)), kOldPage) << page;
            expected.insert(page);
        }
    }
    // No temporary file is left beside the pages.
    EXPECT_EQ(Listing(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, CancelMoments,
    testing::Values(CancelCase{"BeforeTheFirstByte", -1, 0, false, true, false, 0},
                    CancelCase{"BeforeTheFirstByteOldPages", -1, 0, false, true, true, 0},
                    CancelCase{"MidText", 0, 100 * 1024, false, false, false, 0},
                    CancelCase{"MidTextOldPages", 0, 100 * 1024, false, false, true, 0},
                    CancelCase{"AtTheFirstChunk", 0, 0, false, false, true, 0},
                    CancelCase{"BetweenItems", -1, 0, true, false, false, 1},
                    CancelCase{"BetweenItemsOldPages", -1, 0, true, false, true, 1},
                    CancelCase{"DuringTheLastItem", 1, 200 * 1024, false, false, false, 1},
                    CancelCase{"DuringTheLastItemOldPages", 1, 200 * 1024, false, false, true, 1}),
    [](const testing::TestParamInfo<CancelCase> &info) { return std::string(info.param.Name); });

TEST_F(RunControlTest, ACancelAfterTheLastPageChangesNothing)
{
    CancelAt control(-1, 0);
    Sink.CancelAfterPage = false;
    ConvertFiles(StringItemList({P("a.txt")}), ConversionOptions(), Sink, &control);
    control.RequestCancel();
    EXPECT_EQ(Sink.Reports, (std::vector<Shown>{{kDone, false}}));
    EXPECT_FALSE(control.Cancelled());
}

TEST_F(RunControlTest, AFailureStillEndsTheRunWithItsErrorBox)
{
    CancelAt control(-1, 0);
    Sink.Control = &control;
    ConvertFiles(StringItemList({P("missing.txt"), P("a.txt")}), ConversionOptions(), Sink,
                 &control);
    EXPECT_EQ(Sink.Reports, (std::vector<Shown>{{"不能打开文件!\n" + P("missing.txt"), true}}));
    EXPECT_EQ(control.Progress().PagesWritten, 0);
}

} // namespace
