#include "tempdir.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The slowed tool, running in `folder`, its standard error on a pipe.
class RunningTool
{
public:
    RunningTool(const TempDir &folder, std::vector<std::string> args, const char *throttleUs)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        FPid = ::fork();
        if (FPid == 0) {
            ::dup2(fds[1], 2);
            ::close(fds[0]);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::setenv("QM_THROTTLE_US", throttleUs, 1);
            if (::chdir(folder.Path().c_str()) != 0)
                ::_exit(127);
            std::vector<char *> argv{const_cast<char *>(TXT2HTM_THROTTLED_PATH)};
            for (auto &a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(TXT2HTM_THROTTLED_PATH, argv.data());
            ::_exit(127);
        }
        ::close(fds[1]);
        FErr = fds[0];
    }
    ~RunningTool()
    {
        if (FPid > 0 && !FDone) {
            ::kill(FPid, SIGKILL);
            ::waitpid(FPid, nullptr, 0);
        }
        if (FErr >= 0)
            ::close(FErr);
    }

    // Reads standard error until it holds `text`, for at most 20 s.
    bool WaitFor(const std::string &text)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (Err.find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || ReadSome(100) < 0)
                return false;
        }
        return true;
    }
    // The exit status, once standard error has been read to its end.
    int Wait()
    {
        while (ReadSome(20000) > 0) {
        }
        int status = 0;
        ::waitpid(FPid, &status, 0);
        FDone = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void Signal(int signal) { ::kill(FPid, signal); }

    std::string Err;

private:
    // 1 when bytes came, 0 when none came within `ms`, -1 at the end.
    int ReadSome(int ms)
    {
        pollfd p{FErr, POLLIN, 0};
        if (::poll(&p, 1, ms) == 0)
            return 0;
        char buffer[4096];
        const ssize_t n = ::read(FErr, buffer, sizeof buffer);
        if (n <= 0)
            return -1;
        Err.append(buffer, n);
        return 1;
    }

    pid_t FPid = -1;
    int FErr = -1;
    bool FDone = false;
};

std::set<std::string> Listing(const TempDir &dir)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

// 4 MiB: 64 chunks, some seconds with the engine slowed down.
const std::string kBigText = std::string(4 * 1024 * 1024 - 1, 'x') + "\n";
const std::string kOldPage = "old page\r\n";

TEST(Txt2htmProgress, InterruptDiscardsTheCurrentPageAndExits130)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), "first\n");
    WriteFile(dir.Path("big.txt"), kBigText);
    WriteFile(dir.Path("big.htm"), kOldPage);
    WriteFile(dir.Path("c.txt"), "last\n");
    RunningTool tool(dir, {"--progress", "a.txt", "big.txt", "c.txt"}, "50000");
    ASSERT_TRUE(tool.WaitFor("[2/3] big.txt")) << tool.Err;
    tool.Signal(SIGINT);
    EXPECT_EQ(tool.Wait(), 130);
    EXPECT_NE(tool.Err.find("txt2htm: 转换已取消: 已写入 1 个htm文件\n"), std::string::npos)
        << tool.Err;
    // The page written before stays, the old page is untouched, nothing else.
    EXPECT_EQ(ReadFile(dir.Path("big.htm")), kOldPage);
    EXPECT_EQ(Listing(dir),
              (std::set<std::string>{"a.txt", "a.htm", "big.txt", "big.htm", "c.txt"}));
}

// Waits until `path` exists, for at most 20 s.
bool WaitForFile(const std::string &path)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!Exists(path)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        ::poll(nullptr, 0, 5);
    }
    return true;
}

// With two workers, items are counted as they are done, not as they are
// taken: an interrupt during the last text, taken while earlier pages still
// waited for their turn, is still reported as a cancel.
TEST(Txt2htmProgress, InterruptInParallelCountsThePagesInPlace)
{
    TempDir dir;
    WriteFile(dir.Path("m0.txt"), std::string(512 * 1024, 'm')); // 8 chunks
    WriteFile(dir.Path("s1.txt"), "one\n");
    WriteFile(dir.Path("s2.txt"), "two\n");
    WriteFile(dir.Path("big3.txt"), kBigText);
    WriteFile(dir.Path("big3.htm"), kOldPage);
    RunningTool tool(dir, {"-j2", "m0.txt", "s1.txt", "s2.txt", "big3.txt"}, "50000");
    ASSERT_TRUE(WaitForFile(dir.Path("s2.htm")));
    tool.Signal(SIGINT);
    EXPECT_EQ(tool.Wait(), 130);
    EXPECT_EQ(tool.Err, "txt2htm: 转换已取消: 已写入 3 个htm文件\n");
    EXPECT_EQ(ReadFile(dir.Path("big3.htm")), kOldPage);
    EXPECT_EQ(Listing(dir), (std::set<std::string>{"m0.txt", "m0.htm", "s1.txt", "s1.htm", "s2.txt",
                                                   "s2.htm", "big3.txt", "big3.htm"}));
}

TEST(Txt2htmProgress, InterruptBeforeAnyPageLeavesNoPage)
{
    TempDir dir;
    WriteFile(dir.Path("big.txt"), kBigText);
    RunningTool tool(dir, {"--progress", "big.txt"}, "50000");
    ASSERT_TRUE(tool.WaitFor("[1/1] big.txt")) << tool.Err;
    tool.Signal(SIGINT);
    EXPECT_EQ(tool.Wait(), 130);
    EXPECT_NE(tool.Err.find("已写入 0 个htm文件"), std::string::npos) << tool.Err;
    EXPECT_EQ(Listing(dir), std::set<std::string>{"big.txt"});
}

TEST(Txt2htmProgress, ProgressLineShowsTheItemAndIsClearedAtTheEnd)
{
    TempDir dir;
    WriteFile(dir.Path("big.txt"), kBigText);
    RunningTool tool(dir, {"--progress", "big.txt"}, "10000");
    ASSERT_TRUE(tool.WaitFor("\r[1/1] big.txt  ")) << tool.Err;
    EXPECT_EQ(tool.Wait(), 0);
    // Nothing but progress lines, the last one blanked out.
    EXPECT_EQ(tool.Err.find('\n'), std::string::npos);
    EXPECT_EQ(tool.Err.back(), '\r');
    EXPECT_TRUE(Exists(dir.Path("big.htm")));
}

TEST(Txt2htmProgress, NoProgressLineWhenRedirectedWithoutTheOption)
{
    TempDir dir;
    WriteFile(dir.Path("big.txt"), kBigText);
    RunningTool tool(dir, {"big.txt"}, "10000");
    EXPECT_EQ(tool.Wait(), 0);
    EXPECT_EQ(tool.Err, "");
}

// While a long first text holds its turn, the other worker runs on through
// several folders, as far ahead as it may keep pages waiting, past a failure:
// what is left is what a serial run leaves.
TEST(Txt2htmProgress, WorkerAheadOfALongTextKeepsListOrder)
{
    const std::string bigText(16 * 1024 * 1024, 'x'); // 256 chunks
    const std::set<std::string> missing{"sub0/t40", "sub2/t10"};
    for (const bool keepGoing : {false, true}) {
        TempDir dir;
        std::vector<std::string> args{"-j2"};
        if (keepGoing)
            args.push_back("--keep-going");
        WriteFile(dir.Path("big.txt"), bigText);
        args.push_back("big.txt");
        std::vector<std::string> names;
        for (int folder = 0; folder < 3; ++folder) {
            const std::string sub = "sub" + std::to_string(folder);
            std::filesystem::create_directory(dir.Path(sub));
            for (int i = 0; i < 60; ++i) {
                names.push_back(sub + "/t" + std::to_string(i));
                if (!missing.count(names.back()))
                    WriteFile(dir.Path(names.back() + ".txt"), names.back());
                args.push_back(names.back() + ".txt");
            }
        }
        RunningTool tool(dir, args, "2000");
        EXPECT_EQ(tool.Wait(), 1);
        const std::string failure = ": 不能打开文件! (No such file or directory)\n";
        EXPECT_EQ(tool.Err, "txt2htm: sub0/t40.txt" + failure +
                                (keepGoing ? "txt2htm: sub2/t10.txt" + failure : ""));
        EXPECT_GT(ReadFile(dir.Path("big.htm")).size(), bigText.size());
        bool stopped = false;
        for (const std::string &name : names) {
            stopped = stopped || (!keepGoing && missing.count(name));
            const bool written = !stopped && !missing.count(name);
            ASSERT_EQ(Exists(dir.Path(name + ".htm")), written) << keepGoing << name;
            if (written) {
                EXPECT_NE(ReadFile(dir.Path(name + ".htm")).find(name), std::string::npos);
            }
        }
        for (int folder = 0; folder < 3; ++folder)
            for (const auto &entry :
                 std::filesystem::directory_iterator(dir.Path("sub" + std::to_string(folder))))
                EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
    }
}

} // namespace
