#include "tempdir.h"

#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome
{
    int Exit = -1;
    std::string Out, Err;
};

// Runs the built txt2htm in `folder` with `args`.
Outcome RunTool(const TempDir &folder, std::vector<std::string> args)
{
    TempDir streams;
    const std::string out = streams.Path("out"), err = streams.Path("err");
    const pid_t child = ::fork();
    if (child == 0) {
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        if (::chdir(folder.Path().c_str()) != 0)
            ::_exit(127);
        std::vector<char *> argv{const_cast<char *>(TXT2HTM_PATH)};
        for (auto &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(TXT2HTM_PATH, argv.data());
        ::_exit(127);
    }
    Outcome outcome;
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.Out = ReadFile(out);
    outcome.Err = ReadFile(err);
    return outcome;
}

std::set<std::string> Listing(const TempDir &dir)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

const std::string kText = "Hello World\r\nLine 2\r\n";

TEST(Txt2htm, ConvertsQuietlyWithTheDefaults)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    const Outcome o = RunTool(dir, {"a.txt"});
    EXPECT_EQ(o.Exit, 0);
    EXPECT_EQ(o.Out, "");
    EXPECT_EQ(o.Err, "");
    EXPECT_EQ(ReadFile(dir.Path("a.htm")),
              "<html>\r\n<head>\r\n<title>\r\nHello&nbsp;World</title>\r\n</head>\r\n"
              "<body bgcolor=#FFFFFF text=#000000>\r\n\r\n"
              "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>\r\n</center>\r\n"
              "<font size=4>\r\nLine&nbsp;2<br>\r\n</font>\r\n\r\n</body>\r\n</html>\r\n");
}

TEST(Txt2htm, EachOptionOverridesItsDefault)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    const Outcome o = RunTool(dir, {"--fixed-title", "--no-center-heading", "--heading-size=3",
                                    "--body-size=7", "--page-color=102030", "--text-color=a0B0c0",
                                    "--heading-color=FF0000", "--keep-format", "a.txt"});
    EXPECT_EQ(o.Exit, 0);
    EXPECT_EQ(ReadFile(dir.Path("a.htm")),
              "<html>\r\n<head>\r\n<title>\r\nhtm文档\r\n</title>\r\n</head>\r\n"
              "<body bgcolor=#102030 text=#A0B0C0>\r\n"
              "<h3><font color=#FF0000>Hello&nbsp;World</font></h3><pre><font size=7>Line 2\r\n"
              "</font></pre>\r\n</body>\r\n</html>\r\n");

    EXPECT_EQ(RunTool(dir, {"--no-heading", "a.txt"}).Exit, 0);
    EXPECT_NE(ReadFile(dir.Path("a.htm")).find("<font size=4>\r\nHello&nbsp;World<br>Line"),
              std::string::npos);

    WriteFile(dir.Path("b.txt"), "\r\n \tb  c\n");
    EXPECT_EQ(RunTool(dir, {"--no-markup", "--strip-leading-space", "b.txt"}).Exit, 0);
    EXPECT_EQ(ReadFile(dir.Path("b.htm")), "b  c\r\n");
}

TEST(Txt2htm, VerboseListsEachPage)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    WriteFile(dir.Path("b"), kText);
    const Outcome o = RunTool(dir, {"-v", "a.txt", "b"});
    EXPECT_EQ(o.Exit, 0);
    EXPECT_EQ(o.Out, "a.htm\nb.htm\n");
}

// A list of pages that standard output does not take is a failure; the
// pages stay.
TEST(Txt2htm, FullStandardOutputIsAFailure)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    const pid_t child = ::fork();
    if (child == 0) {
        const int full = ::open("/dev/full", O_WRONLY);
        const int err = ::open(dir.Path("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(full, 1);
        ::dup2(err, 2);
        if (::chdir(dir.Path().c_str()) != 0)
            ::_exit(127);
        ::execl(TXT2HTM_PATH, TXT2HTM_PATH, "-v", "a.txt", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadFile(dir.Path("err")), "写入文件出错!\n标准输出\n");
    EXPECT_TRUE(Exists(dir.Path("a.htm")));
}

TEST(Txt2htm, DoubleDashEndsTheOptions)
{
    TempDir dir;
    WriteFile(dir.Path("-x.txt"), kText);
    EXPECT_EQ(RunTool(dir, {"--", "-x.txt"}).Exit, 0);
    EXPECT_TRUE(Exists(dir.Path("-x.htm")));
}

TEST(Txt2htm, FailureStopsWithMessageAndPath)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    WriteFile(dir.Path("c.txt"), kText);
    const Outcome o = RunTool(dir, {"a.txt", "missing.txt", "c.txt"});
    EXPECT_EQ(o.Exit, 1);
    EXPECT_EQ(o.Out, "");
    EXPECT_EQ(o.Err, "不能打开文件!\nmissing.txt\n");
    EXPECT_EQ(Listing(dir), (std::set<std::string>{"a.txt", "a.htm", "c.txt"}));

    WriteFile(dir.Path("p.htm"), "page\n");
    const Outcome self = RunTool(dir, {"p.htm"});
    EXPECT_EQ(self.Exit, 1);
    EXPECT_EQ(self.Err, "不能新建文件!\np.htm\n");
}

TEST(Txt2htm, UsageErrorsWriteNothing)
{
    const std::vector<std::string> cases[] = {
        {"--bogus", "a.txt"},
        {"-x.txt"},
        {"--heading-size=7", "a.txt"},
        {"--heading-size=0", "a.txt"},
        {"--heading-size=", "a.txt"},
        {"--body-size=8", "a.txt"},
        {"--body-size=44", "a.txt"},
        {"--page-color=12345", "a.txt"},
        {"--text-color=GG0000", "a.txt"},
        {"--heading-color", "a.txt"},
        {"--no-markup=1", "a.txt"},
        {},
        {"-v"},
        {"a.txt", "--bogus"},
    };
    for (const auto &args : cases) {
        TempDir dir;
        WriteFile(dir.Path("a.txt"), kText);
        WriteFile(dir.Path("-x.txt"), kText);
        const Outcome o = RunTool(dir, args);
        const std::string shown = args.empty() ? "(none)" : args[0];
        EXPECT_EQ(o.Exit, 2) << shown;
        EXPECT_EQ(o.Out, "") << shown;
        // One line with the reason.
        EXPECT_EQ(o.Err.rfind("txt2htm: ", 0), 0u) << shown;
        EXPECT_EQ(std::count(o.Err.begin(), o.Err.end(), '\n'), 1) << o.Err;
        EXPECT_EQ(Listing(dir), (std::set<std::string>{"a.txt", "-x.txt"})) << shown;
    }
}

TEST(Txt2htm, HelpAndVersion)
{
    TempDir dir;
    const Outcome help = RunTool(dir, {"--help"});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_EQ(help.Out.rfind("Usage: txt2htm [OPTIONS] FILE...\n", 0), 0u);
    for (const char *option :
         {"--fixed-title", "--no-markup", "--strip-leading-space", "--keep-format",
          "--page-color=RRGGBB", "--text-color=RRGGBB", "--no-heading", "--no-center-heading",
          "--heading-size=N", "--body-size=N", "--heading-color=RRGGBB", "--version"})
        EXPECT_NE(help.Out.find(option), std::string::npos) << option;
    const Outcome version = RunTool(dir, {"--version"});
    EXPECT_EQ(version.Exit, 0);
    EXPECT_EQ(version.Out.rfind("txt2htm ", 0), 0u);
}

} // namespace
