#include "tempdir.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct Outcome
{
    int Exit = -1;
    std::string Out, Err;
};

// How standard input and output are connected.
enum class Streams { Files, Pipes };

std::string ReadAllFrom(int fd)
{
    std::string bytes;
    char buffer[65536];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

// Runs the built txt2htm in `folder` with `args`, `input` on its standard
// input (files, or pipes fed and drained while it runs).
Outcome RunTool(const TempDir &folder, std::vector<std::string> args, const std::string &input = "",
                Streams streams = Streams::Files)
{
    TempDir files;
    const std::string in = files.Path("in"), out = files.Path("out"), err = files.Path("err");
    WriteFile(in, input);
    int inPipe[2] = {-1, -1}, outPipe[2] = {-1, -1};
    if (streams == Streams::Pipes && (::pipe(inPipe) != 0 || ::pipe(outPipe) != 0))
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const bool pipes = streams == Streams::Pipes;
        const int inFd = pipes ? inPipe[0] : ::open(in.c_str(), O_RDONLY);
        const int outFd =
            pipes ? outPipe[1] : ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(inFd, 0);
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        if (pipes) {
            for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1]})
                ::close(fd);
        }
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
    if (streams == Streams::Pipes) {
        ::close(inPipe[0]);
        ::close(outPipe[1]);
        std::thread feeder([&] {
            std::signal(SIGPIPE, SIG_IGN);
            for (std::size_t at = 0; at < input.size();) {
                const ssize_t put = ::write(inPipe[1], input.data() + at, input.size() - at);
                if (put <= 0)
                    break;
                at += put;
            }
            ::close(inPipe[1]);
        });
        outcome.Out = ReadAllFrom(outPipe[0]);
        ::close(outPipe[0]);
        feeder.join();
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (streams == Streams::Files)
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
    EXPECT_EQ(ReadFile(dir.Path("err")),
              "txt2htm: 标准输出: 写入文件出错! (No space left on device)\n");
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
    EXPECT_EQ(o.Err, "txt2htm: missing.txt: 不能打开文件! (No such file or directory)\n");
    EXPECT_EQ(Listing(dir), (std::set<std::string>{"a.txt", "a.htm", "c.txt"}));

    WriteFile(dir.Path("p.htm"), "page\n");
    const Outcome self = RunTool(dir, {"p.htm"});
    EXPECT_EQ(self.Exit, 1);
    EXPECT_EQ(self.Err, "txt2htm: p.htm: 不能新建文件!\n");
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
        {"--charset=", "a.txt"},
        {"--charset=a\"b", "a.txt"},
        {"--charset", "x y", "a.txt"},
        {"--escape=1", "a.txt"},
        {"-j", "x", "a.txt"},
        {"--jobs=-1", "a.txt"},
        {"-o"},
        {"a.txt", "--output-dir"},
        {"--files-from"},
        {"-q", "a.txt"},
        {"-rq", "a.txt"},
        {"--files-from=-", "-"},
    };
    for (const auto &args : cases) {
        TempDir dir;
        WriteFile(dir.Path("a.txt"), kText);
        WriteFile(dir.Path("-x.txt"), kText);
        const Outcome o = RunTool(dir, args);
        const std::string shown = args.empty() ? "(none)" : args[0];
        EXPECT_EQ(o.Exit, 2) << shown;
        EXPECT_EQ(o.Out, "") << shown;
        // One line with the reason, then where to look.
        EXPECT_EQ(o.Err.rfind("txt2htm: ", 0), 0u) << shown;
        EXPECT_EQ(std::count(o.Err.begin(), o.Err.end(), '\n'), 2) << o.Err;
        EXPECT_TRUE(o.Err.ends_with("\nTry 'txt2htm --help'.\n")) << o.Err;
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
    for (const char *option : {"--charset=NAME|auto", "--escape", "--recursive", "--output-dir=DIR",
                               "--files-from=FILE", "--null", "--keep-going", "--no-clobber",
                               "--jobs=N", "-r,", "-o,", "-0,", "-j,", "-v,", "-h,"})
        EXPECT_NE(help.Out.find(option), std::string::npos) << option;
    EXPECT_TRUE(help.Out.ends_with("\nReport problems to the Quorvel Marlune issue tracker.\n"));
    // -h is --help, and wins over what follows.
    EXPECT_EQ(RunTool(dir, {"-h", "--bogus"}).Out, help.Out);
    const Outcome version = RunTool(dir, {"--version"});
    EXPECT_EQ(version.Exit, 0);
    // The project's version, which the window shows as well.
    EXPECT_EQ(version.Out, "txt2htm " QM_VERSION "\n");
    EXPECT_EQ(std::string(QM_VERSION), "1.10");
}

// The page of kText with the defaults, written out by hand.
const std::string kPage = "<html>\r\n<head>\r\n<title>\r\nHello&nbsp;World</title>\r\n</head>\r\n"
                          "<body bgcolor=#FFFFFF text=#000000>\r\n\r\n"
                          "<center><h2><font color=#000000>Hello&nbsp;World</font></h2>\r\n"
                          "</center>\r\n<font size=4>\r\nLine&nbsp;2<br>\r\n</font>\r\n\r\n"
                          "</body>\r\n</html>\r\n";

// Every file under `dir` (folders end with "/"), by path below it.
std::set<std::string> Tree(const TempDir &dir)
{
    std::set<std::string> paths;
    for (auto it = std::filesystem::recursive_directory_iterator(dir.Path());
         it != std::filesystem::recursive_directory_iterator(); ++it) {
        const std::string path = it->path().string().substr(dir.Path().size() + 1);
        paths.insert(it->is_directory() && !it->is_symlink() ? path + "/" : path);
    }
    return paths;
}

TEST(Txt2htm, OptionValuesFollowEitherWay)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    EXPECT_EQ(RunTool(dir, {"--heading-size=3", "--charset=utf-8", "a.txt"}).Exit, 0);
    const std::string joined = ReadFile(dir.Path("a.htm"));
    EXPECT_EQ(RunTool(dir, {"--heading-size", "3", "--charset", "utf-8", "a.txt"}).Exit, 0);
    EXPECT_EQ(ReadFile(dir.Path("a.htm")), joined);
    EXPECT_NE(joined.find("<h3>"), std::string::npos);
    // Short options cluster, and take their value joined or apart.
    const Outcome o = RunTool(dir, {"-vj2", "-oout", "a.txt"});
    EXPECT_EQ(o.Exit, 0) << o.Err;
    EXPECT_EQ(o.Out, "out/a.htm\n");
    EXPECT_EQ(ReadFile(dir.Path("out/a.htm")), kPage);
}

// The new page options from the command line, pages written by hand.
TEST(Txt2htm, CharsetAndEscape)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), "\xef\xbb\xbf<T> & \"u\"\r\n\xe4\xb8\xad<br>\r\n");
    WriteFile(dir.Path("b.txt"), "\xd6\xd0<\r\n");
    const Outcome o =
        RunTool(dir, {"--charset=auto", "--escape", "--no-center-heading", "a.txt", "b.txt"});
    EXPECT_EQ(o.Exit, 0) << o.Err;
    EXPECT_EQ(
        ReadFile(dir.Path("a.htm")),
        "<html>\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
        "<title>\r\n&lt;T&gt;&nbsp;&amp;&nbsp;&quot;u&quot;</title>\r\n</head>\r\n"
        "<body bgcolor=#FFFFFF text=#000000>\r\n"
        "<h2><font color=#000000>&lt;T&gt;&nbsp;&amp;&nbsp;&quot;u&quot;</font></h2>\r\n"
        "<font size=4>\r\n\xe4\xb8\xad&lt;br&gt;<br>\r\n</font>\r\n\r\n</body>\r\n</html>\r\n");
    EXPECT_EQ(ReadFile(dir.Path("b.htm")),
              "<html>\r\n<head>\r\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">\r\n"
              "<title>\r\n\xd6\xd0&lt;</title>\r\n</head>\r\n"
              "<body bgcolor=#FFFFFF text=#000000>\r\n"
              "<h2><font color=#000000>\xd6\xd0&lt;</font></h2>\r\n"
              "<font size=4>\r\n\r\n</font>\r\n\r\n</body>\r\n</html>\r\n");
}

// "-" reads standard input and writes the page to standard output, the same
// bytes as the file's page, whether the streams are files or pipes, with a
// first line longer than any buffer, and with a character set that is only
// found out to be other than UTF-8 far into the text.
TEST(Txt2htm, FilterModeGivesTheFilesPage)
{
    std::string longLine;
    while (longLine.size() < 3 * 1024 * 1024)
        longLine += "word \t<&> ";
    std::string lateInvalid = "T\r\n";
    while (lateInvalid.size() < 3 * 1024 * 1024)
        lateInvalid += "\xe4\xb8\xad text\r\n";
    lateInvalid += "\xff\r\n";
    const struct
    {
        const char *Name;
        std::string Text;
        std::vector<std::string> Options;
    } cases[] = {
        {"example", kText, {}},
        {"long first line", longLine + "\r\nbody\r\n", {"--escape"}},
        {"late invalid UTF-8", lateInvalid, {"--charset=auto"}},
        {"no markup", "\r\n  x\r\n", {"--no-markup", "--strip-leading-space"}},
    };
    for (const auto &c : cases) {
        TempDir dir;
        WriteFile(dir.Path("a.txt"), c.Text);
        std::vector<std::string> args = c.Options;
        args.push_back("a.txt");
        ASSERT_EQ(RunTool(dir, args).Exit, 0) << c.Name;
        const std::string page = ReadFile(dir.Path("a.htm"));
        std::filesystem::remove(dir.Path("a.htm"));
        args.back() = "-";
        for (Streams streams : {Streams::Files, Streams::Pipes}) {
            const Outcome o = RunTool(dir, args, c.Text, streams);
            EXPECT_EQ(o.Exit, 0) << c.Name << o.Err;
            EXPECT_EQ(o.Err, "") << c.Name;
            EXPECT_TRUE(o.Out == page)
                << c.Name << ": " << o.Out.size() << " bytes, not " << page.size();
        }
        EXPECT_EQ(Listing(dir), (std::set<std::string>{"a.txt"})) << c.Name;
    }
}

// A tree with nested folders, names in either case, other files, and a
// symbolic link back to the top that is not followed.
TEST(Txt2htm, RecursiveTreeMirroredUnderTheOutputFolder)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path("tree/b/deep"));
    std::filesystem::create_directories(dir.Path("tree/a"));
    for (const char *name : {"tree/z.txt", "tree/a/one.TXT", "tree/b/deep/two.Txt", "tree/b/x.txt",
                             "tree/notes.md", "tree/b/x.txt.bak"})
        WriteFile(dir.Path(name), kText);
    std::filesystem::create_directory_symlink("..", dir.Path("tree/b/loop"));
    const Outcome o = RunTool(dir, {"-r", "-v", "-o", "out", "tree"});
    EXPECT_EQ(o.Exit, 0) << o.Err;
    EXPECT_EQ(o.Out, "out/a/one.htm\nout/b/deep/two.htm\nout/b/x.htm\nout/z.htm\n");
    EXPECT_EQ(ReadFile(dir.Path("out/b/deep/two.htm")), kPage);
    std::set<std::string> out;
    for (const std::string &path : Tree(dir))
        if (path.starts_with("out"))
            out.insert(path);
    EXPECT_EQ(out,
              (std::set<std::string>{"out/", "out/a/", "out/a/one.htm", "out/b/", "out/b/deep/",
                                     "out/b/deep/two.htm", "out/b/x.htm", "out/z.htm"}));
    // Without -o the pages go beside their texts; without -r a folder is
    // not a text.
    EXPECT_EQ(RunTool(dir, {"-r", "tree/b"}).Exit, 0);
    EXPECT_TRUE(Exists(dir.Path("tree/b/deep/two.htm")));
    EXPECT_FALSE(Exists(dir.Path("tree/z.htm")));
    const Outcome folder = RunTool(dir, {"tree"});
    EXPECT_EQ(folder.Exit, 1);
    EXPECT_EQ(folder.Err, "txt2htm: tree: 不能打开文件! (Is a directory)\n");
}

TEST(Txt2htm, OutputFolderProblems)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path("x"));
    std::filesystem::create_directories(dir.Path("y"));
    WriteFile(dir.Path("x/a.txt"), kText);
    WriteFile(dir.Path("y/a.txt"), kText);
    WriteFile(dir.Path("file"), "");
    // Two texts, one page: refused before anything is written, with or
    // without --keep-going.
    for (const char *keepGoing : {"--fixed-title", "--keep-going"}) {
        const Outcome o = RunTool(dir, {keepGoing, "-o", "out", "x/a.txt", "y/a.txt"});
        EXPECT_EQ(o.Exit, 1);
        EXPECT_EQ(o.Err, "txt2htm: out/a.htm: 不能新建文件! (the page of both " +
                             dir.Path("x/a.txt") + " and " + dir.Path("y/a.txt") + ")\n");
        EXPECT_FALSE(Exists(dir.Path("out")));
    }
    // The same text twice is converted twice.
    EXPECT_EQ(RunTool(dir, {"-o", "out", "x/a.txt", "./x/../x/a.txt"}).Exit, 0);
    // A folder that cannot be made.
    const Outcome o = RunTool(dir, {"-o", "file/out", "x/a.txt"});
    EXPECT_EQ(o.Exit, 1);
    EXPECT_EQ(o.Err, "txt2htm: file/out/a.htm: 不能新建文件! (Not a directory)\n");
}

// Names with spaces and line ends come through a NUL-separated list, read
// from standard input or from a file; a line list splits at line ends.
TEST(Txt2htm, FilesFromList)
{
    TempDir dir;
    WriteFile(dir.Path("a b.txt"), kText);
    WriteFile(dir.Path("new\nline.txt"), kText);
    WriteFile(dir.Path("c.txt"), kText);
    const std::string list = std::string("a b.txt") + '\0' + "new\nline.txt" + '\0';
    Outcome o = RunTool(dir, {"--files-from=-", "-0", "-v"}, list, Streams::Pipes);
    EXPECT_EQ(o.Exit, 0) << o.Err;
    EXPECT_EQ(o.Out, "a b.htm\nnew\nline.htm\n");
    EXPECT_EQ(ReadFile(dir.Path("new\nline.htm")), kPage);

    WriteFile(dir.Path("list"), "c.txt\n\na b.txt\n");
    o = RunTool(dir, {"-v", "--files-from", "list", "--null"});
    EXPECT_EQ(o.Exit, 1); // one name "c.txt\n\na b.txt\n"
    o = RunTool(dir, {"-v", "--files-from", "list"});
    EXPECT_EQ(o.Exit, 0) << o.Err;
    EXPECT_EQ(o.Out, "c.htm\na b.htm\n");
    // Arguments come first, then the list.
    o = RunTool(dir, {"-v", "--files-from=list", "new\nline.txt"});
    EXPECT_EQ(o.Out, "new\nline.htm\nc.htm\na b.htm\n");

    o = RunTool(dir, {"--files-from=missing", "c.txt"});
    EXPECT_EQ(o.Exit, 1);
    EXPECT_EQ(o.Err, "txt2htm: missing: 不能打开文件! (No such file or directory)\n");
}

// Failures in the middle of a list, one at a time and in parallel: without
// --keep-going the first failure ends the run and no later page is written;
// with it every other item is converted and each failure reported in order.
TEST(Txt2htm, FailuresInTheMiddle)
{
    for (const char *jobs : {"-j1", "-j2", "-j0"}) {
        for (const bool keepGoing : {false, true}) {
            TempDir dir;
            std::vector<std::string> args{jobs, "-v"};
            if (keepGoing)
                args.push_back("--keep-going");
            std::string written;
            for (int i = 0; i < 40; ++i) {
                const std::string name = "t" + std::to_string(100 + i);
                if (i == 10 || i == 25) {
                    args.push_back(name + ".txt"); // missing
                } else if (i == 17) {
                    std::filesystem::create_directory(dir.Path(name + ".txt"));
                    args.push_back(name + ".txt"); // a folder
                } else {
                    WriteFile(dir.Path(name + ".txt"), kText + name);
                    args.push_back(name + ".txt");
                    if (keepGoing || i < 10)
                        written += name + ".htm\n";
                }
            }
            // An old page of a later item stays as it was.
            WriteFile(dir.Path("t139.htm"), "old");
            const Outcome o = RunTool(dir, args);
            const std::string shown = std::string(jobs) + (keepGoing ? " keep-going" : "");
            EXPECT_EQ(o.Exit, 1) << shown;
            EXPECT_EQ(o.Out, written) << shown;
            const std::string missing =
                "txt2htm: t110.txt: 不能打开文件! (No such file or directory)\n";
            EXPECT_EQ(o.Err, keepGoing
                                 ? missing + "txt2htm: t117.txt: 不能打开文件! (Is a directory)\n"
                                             "txt2htm: t125.txt: 不能打开文件! (No such file or "
                                             "directory)\n"
                                 : missing)
                << shown;
            for (int i = 0; i < 40; ++i) {
                const std::string name = "t" + std::to_string(100 + i);
                const bool expected = i != 10 && i != 17 && i != 25 && (keepGoing || i < 10);
                if (i != 39) {
                    EXPECT_EQ(Exists(dir.Path(name + ".htm")), expected) << shown << name;
                }
                if (expected) {
                    EXPECT_EQ(ReadFile(dir.Path(name + ".htm")).size(), kPage.size() + 4) << name;
                }
            }
            if (!keepGoing) {
                EXPECT_EQ(ReadFile(dir.Path("t139.htm")), "old") << shown;
            }
            // Nothing left behind by the items that were cut short.
            for (const std::string &name : Listing(dir))
                EXPECT_FALSE(name.starts_with(".")) << shown << name;
        }
    }
}

// Parallel pages are the serial ones.
TEST(Txt2htm, ParallelPagesAreTheSerialOnes)
{
    TempDir serial, parallel;
    std::vector<std::string> args{"--escape"};
    for (int i = 0; i < 60; ++i) {
        const std::string name = "t" + std::to_string(i) + ".txt";
        std::string text;
        for (int k = 0; k <= i * 37; ++k)
            text += "ab <c> &\t\r\n"[k % 12];
        WriteFile(serial.Path(name), text);
        WriteFile(parallel.Path(name), text);
        args.push_back(name);
    }
    EXPECT_EQ(RunTool(serial, args).Exit, 0);
    args.insert(args.begin(), "--jobs=2");
    EXPECT_EQ(RunTool(parallel, args).Exit, 0);
    for (int i = 0; i < 60; ++i) {
        const std::string name = "t" + std::to_string(i) + ".htm";
        EXPECT_EQ(ReadFile(parallel.Path(name)), ReadFile(serial.Path(name))) << name;
    }
}

TEST(Txt2htm, NoClobberLeavesExistingPages)
{
    TempDir dir;
    WriteFile(dir.Path("a.txt"), kText);
    WriteFile(dir.Path("b.txt"), kText);
    WriteFile(dir.Path("a.htm"), "mine");
    const Outcome o = RunTool(dir, {"--no-clobber", "-v", "a.txt", "b.txt"});
    EXPECT_EQ(o.Exit, 0);
    EXPECT_EQ(o.Out, "a.htm (kept)\nb.htm\n");
    EXPECT_EQ(ReadFile(dir.Path("a.htm")), "mine");
    EXPECT_EQ(ReadFile(dir.Path("b.htm")), kPage);
    EXPECT_EQ(RunTool(dir, {"--no-clobber", "a.txt"}).Out, "");
}

} // namespace
