#include "batchrun.h"
#include "tempdir.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What a run reported, in order.
struct Report
{
    enum Kind { Message, PlainError } Kind;
    std::string Text;
    MessageIcon Icon;
    std::string Caption;
    bool operator==(const Report &) const = default;
};

class RecordingSink : public MessageSink
{
public:
    void ShowMessage(const std::string &text, MessageIcon icon, const std::string &caption) override
    {
        Reports.push_back({Report::Message, text, icon, caption});
    }
    void ShowPlainError(const std::string &text, const std::string &caption) override
    {
        Reports.push_back({Report::PlainError, text, MessageIcon::Warning, caption});
    }
    void PageWritten(const std::string &pagePath) override { Pages.push_back(pagePath); }

    std::vector<Report> Reports;
    std::vector<std::string> Pages;
};

const Report kDone{Report::Message, "列表框中所有txt文件已经成功转换！", MessageIcon::Information,
                   "提示"};

Report Error(const std::string &message, const std::string &path)
{
    return {Report::PlainError, message + "\n" + path, MessageIcon::Warning, "出错"};
}

const std::string kText = "Hello World\r\nLine 2\r\n";
const std::string kPage = "<html>\r\n<head>\r\n<title>\r\nHello&nbsp;World</title>\r\n"
                          "</head>\r\n<body bgcolor=#FFFFFF text=#000000>\r\n\r\n"
                          "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>\r\n"
                          "</center>\r\n<font size=4>\r\nLine&nbsp;2<br>\r\n</font>\r\n\r\n"
                          "</body>\r\n</html>\r\n";

class BatchRun : public testing::Test
{
protected:
    std::vector<Report> Run(std::vector<std::string> items)
    {
        ConvertFiles(StringItemList(std::move(items)), ConversionOptions(), Sink);
        return Sink.Reports;
    }
    // The names in the folder: shows pages written and temporary files left.
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

TEST_F(BatchRun, EmptyListWarnsAndTouchesNothing)
{
    EXPECT_EQ(Run({}), (std::vector<Report>{{Report::Message, "  列表框中没有任何文件！",
                                             MessageIcon::Warning, "警告"}}));
    EXPECT_TRUE(Listing().empty());
}

TEST_F(BatchRun, ConvertsEachTextBesideItAndReportsCompletion)
{
    WriteFile(P("a.txt"), kText);
    WriteFile(P("b.text.txt"), "B\n");
    WriteFile(P("a.htm"), "old page, longer than the new one ......................................"
                          "..........................................................");
    ::chmod(P("a.htm").c_str(), 0640);
    EXPECT_EQ(Run({P("a.txt"), P("b.text.txt")}), std::vector<Report>{kDone});
    EXPECT_EQ(ReadFile(P("a.htm")), kPage);
    EXPECT_TRUE(Exists(P("b.text.htm")));
    EXPECT_EQ(Sink.Pages, (std::vector<std::string>{P("a.htm"), P("b.text.htm")}));
    // No temporary file is left; an existing page keeps its mode, a new one
    // gets the mode of any new file.
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "b.text.txt", "b.text.htm"}));
    struct stat st;
    ASSERT_EQ(::stat(P("a.htm").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    const mode_t umask = ::umask(0);
    ::umask(umask);
    ASSERT_EQ(::stat(P("b.text.htm").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~umask);
}

TEST_F(BatchRun, SameTextTwiceIsConvertedTwice)
{
    WriteFile(P("a.txt"), kText);
    EXPECT_EQ(Run({P("a.txt"), P("a.txt")}), std::vector<Report>{kDone});
    EXPECT_EQ(Sink.Pages.size(), 2u);
    EXPECT_EQ(ReadFile(P("a.htm")), kPage);
}

TEST_F(BatchRun, MissingFileInTheMiddleEndsTheRun)
{
    WriteFile(P("a.txt"), kText);
    WriteFile(P("c.txt"), kText);
    EXPECT_EQ(Run({P("a.txt"), P("b.txt"), P("c.txt")}),
              std::vector<Report>{Error("不能打开文件!", P("b.txt"))});
    EXPECT_EQ(ReadFile(P("a.htm")), kPage);
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "c.txt"}));
}

TEST_F(BatchRun, OnlyRegularFilesAreOpened)
{
    ::mkdir(P("folder.txt").c_str(), 0755);
    ::mkfifo(P("fifo.txt").c_str(), 0644); // opening it for reading must not wait
    for (const std::string &path : {P("folder.txt"), P("fifo.txt"), std::string("/dev/null")}) {
        RecordingSink sink;
        ConvertFiles(StringItemList({path}), ConversionOptions(), sink);
        EXPECT_EQ(sink.Reports, std::vector<Report>{Error("不能打开文件!", path)});
    }
    EXPECT_EQ(Listing(), (std::set<std::string>{"folder.txt", "fifo.txt"}));
}

TEST_F(BatchRun, PageNeverCreatedOverTheTextItself)
{
    WriteFile(P("page.htm"), "<p>a page</p>\n");
    WriteFile(P("t.txt"), "text\n");
    ::symlink("t.txt", P("t.htm").c_str());
    WriteFile(P("h.txt"), "hard\n");
    ::link(P("h.txt").c_str(), P("h.htm").c_str());
    const struct
    {
        std::string Text, Page;
    } cases[] = {
        {P("page.htm"), P("page.htm")}, {P("t.txt"), P("t.htm")}, {P("h.txt"), P("h.htm")}};
    for (const auto &c : cases) {
        RecordingSink sink;
        ConvertFiles(StringItemList({c.Text}), ConversionOptions(), sink);
        EXPECT_EQ(sink.Reports, std::vector<Report>{Error("不能新建文件!", c.Page)});
    }
    EXPECT_EQ(ReadFile(P("page.htm")), "<p>a page</p>\n");
    EXPECT_EQ(ReadFile(P("t.txt")), "text\n");
    EXPECT_EQ(ReadFile(P("h.htm")), "hard\n");
    EXPECT_EQ(Listing(), (std::set<std::string>{"page.htm", "t.txt", "t.htm", "h.txt", "h.htm"}));
}

TEST_F(BatchRun, TwoTextsNeverShareOnePage)
{
    WriteFile(P("a.txt"), kText);
    WriteFile(P("a.doc"), "other\n");
    EXPECT_EQ(Run({P("a.txt"), P("a.doc")}),
              std::vector<Report>{Error("不能新建文件!", P("a.htm"))});
    EXPECT_EQ(ReadFile(P("a.htm")), kPage);
}

TEST_F(BatchRun, PageNeverReplacesATextOfTheList)
{
    WriteFile(P("a.txt"), kText);
    // A later item named by the page, whether or not it exists yet.
    for (bool exists : {false, true}) {
        if (exists)
            WriteFile(P("a.htm"), "a text\n");
        RecordingSink sink;
        ConvertFiles(StringItemList({P("a.txt"), Dir.Path() + "/./a.htm"}), ConversionOptions(),
                     sink);
        EXPECT_EQ(sink.Reports, std::vector<Report>{Error("不能新建文件!", P("a.htm"))});
        EXPECT_EQ(Exists(P("a.htm")), exists);
    }
    EXPECT_EQ(ReadFile(P("a.htm")), "a text\n");

    // The page is a later item's file under another name.
    ::link(P("a.htm").c_str(), P("b.txt").c_str());
    RecordingSink sink;
    ConvertFiles(StringItemList({P("a.txt"), P("b.txt")}), ConversionOptions(), sink);
    EXPECT_EQ(sink.Reports, std::vector<Report>{Error("不能新建文件!", P("a.htm"))});
    EXPECT_EQ(ReadFile(P("b.txt")), "a text\n");
}

TEST_F(BatchRun, ReadOnlyPageOrFolderIsNotReplaced)
{
    WriteFile(P("a.txt"), kText);
    WriteFile(P("a.htm"), "kept\n");
    ::chmod(P("a.htm").c_str(), 0444); // read-only even for root
    WriteFile(P("b.txt"), kText);
    ::mkdir(P("b.htm").c_str(), 0755);
    for (const char *name : {"a", "b"}) {
        RecordingSink sink;
        ConvertFiles(StringItemList({P(std::string(name) + ".txt")}), ConversionOptions(), sink);
        EXPECT_EQ(sink.Reports,
                  std::vector<Report>{Error("不能新建文件!", P(std::string(name) + ".htm"))});
    }
    EXPECT_EQ(ReadFile(P("a.htm")), "kept\n");
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "b.txt", "b.htm"}));
}

TEST_F(BatchRun, FolderWithoutWritePermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder";
    ::mkdir(P("locked").c_str(), 0755);
    WriteFile(P("locked/a.txt"), kText);
    ::chmod(P("locked").c_str(), 0555);
    EXPECT_EQ(Run({P("locked/a.txt")}),
              std::vector<Report>{Error("不能新建文件!", P("locked/a.htm"))});
}

TEST_F(BatchRun, ReadFailureIsAnErrorAndLeavesNoPage)
{
    // Reading this process's memory at offset 0 fails, yet it is a regular file.
    struct stat st;
    if (::stat("/proc/self/mem", &st) != 0 || !S_ISREG(st.st_mode))
        GTEST_SKIP() << "no /proc/self/mem";
    WriteFile(P("a.txt"), kText);
    ::symlink("/proc/self/mem", P("mem.txt").c_str());
    WriteFile(P("mem.htm"), "old\n");
    EXPECT_EQ(Run({P("a.txt"), P("mem.txt"), P("a.txt")}),
              std::vector<Report>{Error("读取文件出错!", P("mem.txt"))});
    EXPECT_EQ(ReadFile(P("mem.htm")), "old\n");
    EXPECT_EQ(Sink.Pages.size(), 1u);
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "mem.txt", "mem.htm"}));
}

// Runs the items with a file-size limit that makes the page's writes fail. The
// limit is set in a child so that it cannot touch other tests; the child sends
// its reports back, one "text|caption" line each.
std::string RunWithFileSizeLimit(const std::vector<std::string> &items, rlim_t limitBytes)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = limitBytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        RecordingSink sink;
        ConvertFiles(StringItemList(items), ConversionOptions(), sink);
        std::string out;
        for (const auto &r : sink.Reports)
            out += r.Text + "|" + r.Caption + "\n";
        (void)!::write(pipeFds[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string reported;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        reported.append(buffer, got);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? reported : "child failed";
}

// Whether or not a page was there before, a failed write leaves the folder
// as it was.
TEST_F(BatchRun, WriteFailureIsAnErrorAndKeepsTheOldPage)
{
    const std::string big(100000, 'x');
    WriteFile(P("big.txt"), big);
    WriteFile(P("big.htm"), "old page\n");
    WriteFile(P("new.txt"), big);
    WriteFile(P("c.txt"), kText);

    EXPECT_EQ(RunWithFileSizeLimit({P("big.txt"), P("c.txt")}, 50000),
              "写入文件出错!\n" + P("big.htm") + "|出错\n");
    EXPECT_EQ(ReadFile(P("big.htm")), "old page\n");
    EXPECT_EQ(RunWithFileSizeLimit({P("new.txt"), P("c.txt")}, 50000),
              "写入文件出错!\n" + P("new.htm") + "|出错\n");
    EXPECT_EQ(Listing(), (std::set<std::string>{"big.txt", "big.htm", "new.txt", "c.txt"}));
}

// A list that grows while the run goes on, as a window's list could.
class GrowingList : public ItemList
{
public:
    explicit GrowingList(std::vector<std::string> items) : Items(std::move(items)) {}
    int Count() const override { return static_cast<int>(Items.size()); }
    std::string Item(int index) const override { return Items.at(index); }
    std::vector<std::string> Items;
};

class GrowingSink : public RecordingSink
{
public:
    GrowingSink(GrowingList &list, std::string extra) : FList(list), FExtra(std::move(extra)) {}
    void PageWritten(const std::string &pagePath) override
    {
        RecordingSink::PageWritten(pagePath);
        if (FList.Items.size() == 1)
            FList.Items.push_back(FExtra);
    }

private:
    GrowingList &FList;
    std::string FExtra;
};

TEST_F(BatchRun, ListIsReadAfreshForEachItem)
{
    WriteFile(P("a.txt"), kText);
    WriteFile(P("b.txt"), kText);
    GrowingList list({P("a.txt")});
    GrowingSink sink(list, P("b.txt"));
    ConvertFiles(list, ConversionOptions(), sink);
    EXPECT_EQ(sink.Reports, std::vector<Report>{kDone});
    EXPECT_EQ(ReadFile(P("b.htm")), kPage);
}

} // namespace
