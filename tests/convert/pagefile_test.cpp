// Pages replaced safely whoever owns them, whatever their mode, path length,
// or a signal that ends the run, and texts that change while being read.

#include "batchrun.h"
#include "pagefile.h"
#include "tempdir.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kText = "Hello\n";
const std::string kNoMarkupPage = "Hello\r\n";
const std::string kDone = "列表框中所有txt文件已经成功转换！|提示\n";

ConversionOptions NoMarkup()
{
    ConversionOptions options;
    options.NoMarkup = true;
    return options;
}

// Records the reports of a run, one "text|caption" line each.
class LineSink : public MessageSink
{
public:
    void ShowMessage(const std::string &text, MessageIcon, const std::string &caption) override
    {
        Lines += text + "|" + caption + "\n";
    }
    void ShowPlainError(const std::string &text, const std::string &caption) override
    {
        Lines += text + "|" + caption + "\n";
    }
    std::string Lines;
};

std::string ErrorLine(const std::string &message, const std::string &path)
{
    return message + "\n" + path + "|出错\n";
}

std::string Convert(const std::vector<std::string> &items,
                    const ConversionOptions &options = NoMarkup())
{
    LineSink sink;
    ConvertFiles(StringItemList(items), options, sink);
    return sink.Lines;
}

// The unprivileged user the tests act as when they run as root.
struct Nobody
{
    uid_t Uid = 0;
    gid_t Gid = 0;
    bool Found = false;
};

Nobody FindNobody()
{
    Nobody nobody;
    const passwd *user = ::getpwnam("nobody");
    if (!user)
        return nobody;
    nobody.Uid = user->pw_uid;
    const group *group = ::getgrnam("nogroup");
    nobody.Gid = group ? group->gr_gid : user->pw_gid;
    nobody.Found = true;
    return nobody;
}

// A child process that runs `work`, with the signals that end a run at their
// default; its reports come back through a pipe.
class Child
{
public:
    explicit Child(const std::function<std::string()> &work)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        FPid = ::fork();
        if (FPid == 0) {
            ::close(fds[0]);
            for (int signal : {SIGINT, SIGTERM, SIGHUP})
                std::signal(signal, SIG_DFL);
            const std::string out = work();
            (void)!::write(fds[1], out.data(), out.size());
            ::_exit(0);
        }
        ::close(fds[1]);
        FPipe = fds[0];
    }
    ~Child()
    {
        if (FPid > 0 && !FEnded) {
            ::kill(FPid, SIGKILL);
            Wait();
        }
        if (FPipe >= 0)
            ::close(FPipe);
    }

    pid_t Pid() const { return FPid; }
    // Stops the child where it is; false if it ended first.
    bool Stop()
    {
        if (Ended())
            return false;
        ::kill(FPid, SIGSTOP);
        int status;
        if (::waitpid(FPid, &status, WUNTRACED) != FPid)
            return false;
        if (WIFSTOPPED(status))
            return true;
        FEnded = true;
        FStatus = status;
        return false;
    }
    // Sends `signal` unless the child has ended (and its number may be
    // another process's by now).
    void Signal(int signal)
    {
        if (!Ended())
            ::kill(FPid, signal);
    }
    bool Ended()
    {
        int status;
        if (!FEnded && ::waitpid(FPid, &status, WNOHANG) == FPid) {
            FEnded = true;
            FStatus = status;
        }
        return FEnded;
    }
    // Waits for the end; returns the reports, or "killed".
    std::string Wait()
    {
        std::string out;
        char buffer[512];
        for (ssize_t got; FPipe >= 0 && (got = ::read(FPipe, buffer, sizeof buffer)) > 0;)
            out.append(buffer, got);
        if (!FEnded) {
            ::waitpid(FPid, &FStatus, 0);
            FEnded = true;
        }
        return WIFEXITED(FStatus) && WEXITSTATUS(FStatus) == 0 ? out : "killed";
    }
    // The bytes the child has read and written so far; -1 if unknown.
    long long Counter(const char *name) const
    {
        const std::string io = ReadFile("/proc/" + std::to_string(FPid) + "/io");
        const std::size_t at = io.find(std::string(name) + ": ");
        return at == std::string::npos ? -1 : std::atoll(io.c_str() + at + std::strlen(name) + 2);
    }

private:
    pid_t FPid = -1;
    int FPipe = -1;
    bool FEnded = false;
    int FStatus = 0;
};

// Runs the items as the unprivileged user.
std::string RunAs(const Nobody &user, const std::vector<std::string> &items)
{
    Child child([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(user.Gid) != 0 || ::setuid(user.Uid) != 0)
            return std::string("no change of user");
        return Convert(items);
    });
    return child.Wait();
}

class PageFileTest : public testing::Test
{
protected:
    std::set<std::string> Listing(const std::string &folder) const
    {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::set<std::string> Listing() const { return Listing(Dir.Path()); }
    std::string P(const std::string &name) const { return Dir.Path(name); }
    // Opens the test's folder to everyone, as a folder shared by several
    // users is.
    void ShareFolder() { ::chmod(Dir.Path().c_str(), 0777); }

    static struct stat StatusOf(const std::string &path)
    {
        struct stat st = {};
        ::lstat(path.c_str(), &st);
        return st;
    }
    static mode_t DefaultMode()
    {
        const mode_t umask = ::umask(0);
        ::umask(umask);
        return 0666 & ~umask;
    }

    TempDir Dir;
};

TEST_F(PageFileTest, ReplacedPageLosesSetIdBitsAndKeepsItsOwner)
{
    const Nobody nobody = FindNobody();
    if (::geteuid() != 0 || !nobody.Found)
        GTEST_SKIP() << "giving a page to another user needs root and the user nobody";
    const struct
    {
        mode_t Mode, Kept;
    } cases[] = {{06755, 0755}, {0600, 0600}, {01640, 0640}};
    for (const auto &c : cases) {
        WriteFile(P("a.txt"), kText);
        WriteFile(P("a.htm"), "old\n");
        ASSERT_EQ(::chown(P("a.htm").c_str(), nobody.Uid, nobody.Gid), 0);
        ASSERT_EQ(::chmod(P("a.htm").c_str(), c.Mode), 0);
        EXPECT_EQ(Convert({P("a.txt")}), kDone);
        const struct stat page = StatusOf(P("a.htm"));
        EXPECT_EQ(page.st_mode & 07777, c.Kept) << std::oct << c.Mode;
        EXPECT_EQ(page.st_uid, nobody.Uid);
        EXPECT_EQ(page.st_gid, nobody.Gid);
        EXPECT_EQ(ReadFile(P("a.htm")), kNoMarkupPage);
    }
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm"}));
}

// The page takes nothing from a link's target, whose bytes and mode stay.
TEST_F(PageFileTest, PageReplacingALinkGetsTheDefaultMode)
{
    WriteFile(P("program"), "#!/bin/sh\n");
    ASSERT_EQ(::chmod(P("program").c_str(), 04755), 0);
    WriteFile(P("a.txt"), kText);
    ASSERT_EQ(::symlink("program", P("a.htm").c_str()), 0);
    EXPECT_EQ(Convert({P("a.txt")}), kDone);
    const struct stat page = StatusOf(P("a.htm"));
    EXPECT_TRUE(S_ISREG(page.st_mode));
    EXPECT_EQ(page.st_mode & 07777, DefaultMode());
    EXPECT_EQ(page.st_uid, ::geteuid());
    EXPECT_EQ(ReadFile(P("a.htm")), kNoMarkupPage);
    EXPECT_EQ(ReadFile(P("program")), "#!/bin/sh\n");
    EXPECT_EQ(StatusOf(P("program")).st_mode & 07777, 04755u);
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "program"}));
}

TEST_F(PageFileTest, PageTheUserMayNotWriteIsRefused)
{
    const Nobody nobody = FindNobody();
    if (::geteuid() != 0 || !nobody.Found)
        GTEST_SKIP() << "needs root to run as the user nobody beside a root-owned page";
    ShareFolder();
    WriteFile(P("a.txt"), kText);
    WriteFile(P("a.htm"), "root's page\n");
    ::chmod(P("a.txt").c_str(), 0644);
    ::chmod(P("a.htm").c_str(), 0644);
    EXPECT_EQ(RunAs(nobody, {P("a.txt")}), ErrorLine("不能新建文件!", P("a.htm")));
    EXPECT_EQ(ReadFile(P("a.htm")), "root's page\n");
    EXPECT_EQ(StatusOf(P("a.htm")).st_uid, 0u);

    // A page the user may write is replaced, and stays the user's own.
    WriteFile(P("b.txt"), kText);
    WriteFile(P("b.htm"), "nobody's page\n");
    ::chmod(P("b.txt").c_str(), 0644);
    ::chown(P("b.htm").c_str(), nobody.Uid, nobody.Gid);
    ::chmod(P("b.htm").c_str(), 0640);
    EXPECT_EQ(RunAs(nobody, {P("b.txt")}), kDone);
    EXPECT_EQ(ReadFile(P("b.htm")), kNoMarkupPage);
    const struct stat page = StatusOf(P("b.htm"));
    EXPECT_EQ(page.st_uid, nobody.Uid);
    EXPECT_EQ(page.st_mode & 07777, 0640u);
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "b.txt", "b.htm"}));
}

// Folders nested until the page's path is 4,090 bytes: written, then replaced.
TEST_F(PageFileTest, LongPathIsCreatedAndReplaced)
{
    std::string folder = Dir.Path();
    const std::string page = "/a.htm";
    const std::size_t length = 4090;
    while (folder.size() + page.size() < length) {
        const std::size_t room = length - page.size() - folder.size() - 1;
        folder += "/" + std::string(std::min<std::size_t>(room, 200), 'f');
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0) << folder.size();
    }
    ASSERT_EQ((folder + page).size(), length);
    WriteFile(folder + "/a.txt", kText);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(Convert({folder + "/a.txt"}), kDone) << run;
        EXPECT_EQ(ReadFile(folder + page), kNoMarkupPage);
        EXPECT_EQ(Listing(folder), (std::set<std::string>{"a.txt", "a.htm"}));
    }
}

// Where unnamed files are not used, pages are created and replaced as well,
// and no temporary name stays.
TEST_F(PageFileTest, NamedTemporaryFilesLeaveNothing)
{
    PageFile::SetUnnamedFilesAllowed(false);
    WriteFile(P("a.txt"), kText);
    WriteFile(P("b.txt"), kText);
    WriteFile(P("b.htm"), "old\n");
    ::chmod(P("b.htm").c_str(), 0604);
    const std::string reports = Convert({P("a.txt"), P("b.txt")});
    PageFile::SetUnnamedFilesAllowed(true);
    EXPECT_EQ(reports, kDone);
    EXPECT_EQ(ReadFile(P("a.htm")), kNoMarkupPage);
    EXPECT_EQ(ReadFile(P("b.htm")), kNoMarkupPage);
    EXPECT_EQ(StatusOf(P("a.htm")).st_mode & 07777, DefaultMode());
    EXPECT_EQ(StatusOf(P("b.htm")).st_mode & 07777, 0604u);
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "b.txt", "b.htm"}));
}

// A process that may not link a file by its descriptor (only root may) links
// it through its /proc path: new and replaced pages come out the same.
TEST_F(PageFileTest, LinkingThroughProcPathsLeavesTheSamePages)
{
    PageFile::SetLinkByDescriptorAllowed(false);
    WriteFile(P("a.txt"), kText);
    WriteFile(P("b.txt"), kText);
    WriteFile(P("b.htm"), "old\n");
    ::chmod(P("b.htm").c_str(), 0604);
    const std::string reports = Convert({P("a.txt"), P("b.txt")});
    PageFile::SetLinkByDescriptorAllowed(true);
    EXPECT_EQ(reports, kDone);
    EXPECT_EQ(ReadFile(P("a.htm")), kNoMarkupPage);
    EXPECT_EQ(ReadFile(P("b.htm")), kNoMarkupPage);
    EXPECT_EQ(StatusOf(P("b.htm")).st_mode & 07777, 0604u);
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.txt", "a.htm", "b.txt", "b.htm"}));
}

// A large text, quick to make: a first line, then a hole of zero bytes. Its
// page without markup has each line end as CR LF.
constexpr off_t kLargeText = 8 * 1024 * 1024;

void MakeLargeText(const std::string &path)
{
    WriteFile(path, "T\n");
    ::truncate(path.c_str(), kLargeText);
    // An old time, so that any write is seen as a change.
    const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

bool IsLargeTextsPage(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::string page(kLargeText + 2, '\1');
    const ssize_t got = ::read(fd, page.data(), page.size());
    ::close(fd);
    return got == kLargeText + 1 && page.compare(0, 3, "T\r\n") == 0 &&
           page.find_first_not_of('\0', 3) == std::size_t(got);
}

// Spins until the child has moved `counter` to `bytes` or ended; false if the
// child ended first.
bool WaitForCounter(Child &child, const char *counter, long long bytes)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        if (child.Ended())
            return false;
        if (child.Counter(counter) >= bytes)
            return true;
    }
    return false;
}

// A run killed at any moment of a replacement leaves the old page or the new
// one, and nothing else.
TEST_F(PageFileTest, KilledRunLeavesTheOldPageOrTheNewOne)
{
    if (access("/proc/self/io", R_OK) != 0)
        GTEST_SKIP() << "no /proc/PID/io to follow the run";
    MakeLargeText(P("big.txt"));
    const double moments[] = {0, 0.25, 0.75, 1};
    struct
    {
        int Signal;
        bool Unnamed;
    } ways[] = {
        {SIGKILL, true}, {SIGTERM, true}, {SIGINT, true}, {SIGTERM, false}, {SIGINT, false}};
    int oldPages = 0, newPages = 0;
    for (const auto &way : ways) {
        for (double moment : moments) {
            WriteFile(P("big.htm"), "old page\n");
            Child child([&] {
                PageFile::SetUnnamedFilesAllowed(way.Unnamed);
                return Convert({P("big.txt")});
            });
            if (moment > 0)
                WaitForCounter(child, "wchar", static_cast<long long>(moment * kLargeText));
            child.Signal(way.Signal);
            const std::string reports = child.Wait();
            const std::string where = "signal " + std::to_string(way.Signal) + " at " +
                                      std::to_string(moment) + (way.Unnamed ? "" : " named");
            EXPECT_EQ(Listing(), (std::set<std::string>{"big.txt", "big.htm"})) << where;
            const bool old = ReadFile(P("big.htm")) == "old page\n";
            EXPECT_TRUE(old || IsLargeTextsPage(P("big.htm"))) << where;
            EXPECT_TRUE(reports == "killed" || (!old && reports == kDone)) << where;
            ++(old ? oldPages : newPages);
        }
    }
    // Both ends were met: some runs were cut short, some got through.
    EXPECT_GT(oldPages, 0);
}

// A text written, shrunk or replaced while its page is written gives a read
// failure: the old page stays and the run ends there.
TEST_F(PageFileTest, TextChangedWhileReadIsAReadFailure)
{
    if (access("/proc/self/io", R_OK) != 0)
        GTEST_SKIP() << "no /proc/PID/io to follow the run";
    const struct
    {
        const char *Name;
        std::function<void(const std::string &)> Change;
    } changes[] = {
        {"truncated", [](const std::string &path) { ::truncate(path.c_str(), 0); }},
        {"shrunk", [](const std::string &path) { ::truncate(path.c_str(), kLargeText / 2); }},
        {"rewritten in place",
         [](const std::string &path) {
             const int fd = ::open(path.c_str(), O_WRONLY);
             (void)!::pwrite(fd, "X", 1, kLargeText - 1);
             ::close(fd);
         }},
        {"replaced",
         [](const std::string &path) {
             MakeLargeText(path + ".new");
             ::rename((path + ".new").c_str(), path.c_str());
         }},
    };
    for (const auto &change : changes) {
        WriteFile(P("c.txt"), kText);
        bool stopped = false;
        std::string reports;
        // The child is stopped while it reads; should it have read all of the
        // text by then, the case is tried again.
        for (int attempt = 0; attempt < 5 && !stopped; ++attempt) {
            WriteFile(P("big.htm"), "old page\n");
            ::unlink(P("c.htm").c_str());
            MakeLargeText(P("big.txt"));
            Child child([&] { return Convert({P("big.txt"), P("c.txt")}); });
            if (!WaitForCounter(child, "rchar", 1024 * 1024))
                continue;
            const bool isStopped = child.Stop();
            const long long read = child.Counter("rchar");
            if (!isStopped || read < 0 || read >= kLargeText) {
                child.Signal(SIGCONT);
                child.Wait();
                continue;
            }
            stopped = true;
            change.Change(P("big.txt"));
            child.Signal(SIGCONT);
            reports = child.Wait();
        }
        ASSERT_TRUE(stopped) << change.Name;
        EXPECT_EQ(reports, ErrorLine("读取文件出错!", P("big.txt"))) << change.Name;
        EXPECT_EQ(ReadFile(P("big.htm")), "old page\n") << change.Name;
        EXPECT_EQ(Listing(), (std::set<std::string>{"big.txt", "big.htm", "c.txt"})) << change.Name;
    }
}

} // namespace
