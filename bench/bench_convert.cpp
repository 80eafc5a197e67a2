// Converts generated texts in each mode and compares the throughput with two
// references measured in the same run: copying the input with a plain 64 KiB
// read/write loop, and writing a file as large as the page (the output floor).
// Figures are MB/s of input; the best of several rounds counts. The opt-in
// page options are timed beside the default markup, and txt2htm's parallel
// batch (-j 2) beside the serial one.

#include "batchrun.h"
#include "runcontrol.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kMiB = 1024 * 1024;
constexpr std::size_t kCopyBuffer = 64 * 1024;
constexpr int kRounds = 7;

class NullSink : public MessageSink
{
public:
    void ShowMessage(const std::string &, MessageIcon, const std::string &) override {}
    void ShowPlainError(const std::string &text, const std::string &) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        std::exit(1);
    }
};

// The clock that times the work: the process's own processor time (user and
// system) by default, which a busy machine does not disturb; wall-clock time
// with --wall.
bool gWallClock = false;

double Now()
{
    if (gWallClock)
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    timespec t;
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// One kind of work to time, after an untimed preparation.
struct Timed
{
    std::function<void()> Prepare;
    std::function<void()> Work;
};

// Runs every work once a round, in turn, so that all of them meet the same
// state of the machine and its file system; returns the best time of each.
std::vector<double> BestSecondsInTurn(const std::vector<Timed> &works)
{
    std::vector<double> best(works.size(), 1e30);
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t k = 0; k < works.size(); ++k) {
            works[k].Prepare();
            const double start = Now();
            works[k].Work();
            best[k] = std::min(best[k], Now() - start);
        }
    }
    return best;
}

void WriteAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put <= 0) {
            std::perror("write");
            std::exit(1);
        }
        data += put;
        size -= put;
    }
}

// The copy: a plain buffered read/write loop into a new file.
void CopyFile(const std::string &from, const std::string &to)
{
    const int in = ::open(from.c_str(), O_RDONLY);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    static char buffer[kCopyBuffer];
    for (ssize_t got; (got = ::read(in, buffer, sizeof buffer)) > 0;)
        WriteAll(out, buffer, got);
    ::close(in);
    ::close(out);
}

// The output floor: a file of `size` bytes written in 64 KiB pieces.
void WriteFloor(const std::string &to, std::size_t size)
{
    static std::vector<char> block(kCopyBuffer, 'x');
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (std::size_t left = size; left > 0;) {
        const std::size_t piece = std::min(left, block.size());
        WriteAll(out, block.data(), piece);
        left -= piece;
    }
    ::close(out);
}

// For scale between machines: the markup body written by a plain
// byte-at-a-time table-driven loop (CR dropped, SUB ignored).
void TableLoop(const std::string &from, const std::string &to)
{
    static const char *replacement[256];
    static unsigned char length[256];
    if (!replacement[' ']) {
        replacement[' '] = "&nbsp;";
        length[' '] = 6;
        replacement['\t'] = "&nbsp;&nbsp;&nbsp;&nbsp;";
        length['\t'] = 24;
        replacement['\n'] = "<br>";
        length['\n'] = 4;
        replacement['\r'] = "";
    }
    static char in[kCopyBuffer];
    static char out[kCopyBuffer * 24];
    const int inFd = ::open(from.c_str(), O_RDONLY);
    const int outFd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (ssize_t got; (got = ::read(inFd, in, sizeof in)) > 0;) {
        char *o = out;
        for (ssize_t i = 0; i < got; ++i) {
            const unsigned char c = in[i];
            if (!replacement[c]) {
                *o++ = c;
            } else {
                std::memcpy(o, replacement[c], length[c]);
                o += length[c];
            }
        }
        WriteAll(outFd, out, o - out);
    }
    ::close(inFd);
    ::close(outFd);
}

std::size_t FileSize(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : 0;
}

void SaveFile(const std::string &path, const std::string &bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    WriteAll(fd, bytes.data(), bytes.size());
    ::close(fd);
}

// Typical text: English words and Chinese (UTF-8) phrases, lines ended by CR LF.
std::string TypicalText(std::size_t size, bool lineEnds)
{
    static const char *const kWords[] = {
        "the",
        "page",
        "of",
        "text",
        "converted",
        "into",
        "HTML",
        "with",
        "markup",
        "and",
        "2026",
        "file",
        "list",
        "\xe8\xbd\xac\xe6\x8d\xa2",
        "\xe6\x96\x87\xe4\xbb\xb6",
        "\xe5\x88\x97\xe8\xa1\xa8\xe6\xa1\x86\xe4\xb8\xad\xe6\x89\x80\xe6\x9c\x89",
        "\xe5\xb7\xb2\xe7\xbb\x8f\xe6\x88\x90\xe5\x8a\x9f\xe8\xbd\xac\xe6\x8d\xa2\xef\xbc\x81",
        "\xe4\xb8\xad\xe6\x96\x87\xe6\x96\x87\xe6\xa1\xa3\xe7\x9a\x84\xe5\x86\x85\xe5\xae\xb9"};
    std::mt19937 random(1);
    std::string text;
    text.reserve(size + 128);
    std::size_t lineLength = 0;
    while (text.size() < size) {
        const char *word = kWords[random() % std::size(kWords)];
        text += word;
        lineLength += std::strlen(word);
        if (lineEnds && lineLength > 40 + random() % 40) {
            text += "\r\n";
            lineLength = 0;
        } else if (static_cast<unsigned char>(word[0]) < 0x80 || random() % 2) {
            text += ' ';
        }
    }
    text.resize(size);
    return text;
}

// Mostly white space: runs of spaces and tabs with a few words and line ends.
std::string WhiteSpaceText(std::size_t size)
{
    std::mt19937 random(2);
    std::string text;
    text.reserve(size + 64);
    while (text.size() < size) {
        text.append(4 + random() % 40, ' ');
        text.append(random() % 4, '\t');
        if (random() % 8 == 0)
            text += "word";
        if (random() % 4 == 0)
            text += "\r\n";
    }
    text.resize(size);
    return text;
}

struct Mode
{
    const char *Name;
    std::function<void(ConversionOptions &)> Set;
};

const Mode kModes[] = {
    {"markup", [](ConversionOptions &) {}},
    {"markup --escape", [](ConversionOptions &o) { o.Escape = true; }},
    {"markup --charset=auto", [](ConversionOptions &o) { o.Charset = kAutoCharset; }},
    {"keep-format", [](ConversionOptions &o) { o.KeepFormat = true; }},
    {"no-markup", [](ConversionOptions &o) { o.NoMarkup = true; }},
};

void PrintRow(const char *what, std::size_t inputBytes, double seconds, double copySeconds)
{
    std::printf("  %-26s %9.0f MB/s   %5.2f of the copy\n", what, inputBytes / 1e6 / seconds,
                copySeconds / seconds);
}

// As the window and txt2htm run a batch: watched, so that it can be cancelled.
void ConvertWatched(const ItemList &items, const ConversionOptions &options, MessageSink &sink)
{
    RunControl control;
    ConvertFiles(items, options, sink, &control);
}

void BenchOneText(const std::string &dir, const char *name, const std::string &text)
{
    const std::string path = dir + "/" + name + ".txt";
    const std::string page = dir + "/" + name + ".htm";
    const std::string copyPath = dir + "/copy.out", floorPath = dir + "/floor.out";
    SaveFile(path, text);
    std::printf("%s (%.0f MB)\n", name, text.size() / 1e6);

    // Every round writes new files, as a first conversion does. A page and its
    // floor are timed side by side, with the copy in the same rounds.
    const auto removing = [](const std::string &file) {
        return [file] { std::filesystem::remove(file); };
    };
    std::vector<Timed> works{{removing(copyPath), [&] { CopyFile(path, copyPath); }},
                             {removing(floorPath), [&] { TableLoop(path, floorPath); }}};
    std::vector<ConversionOptions> options(std::size(kModes));
    std::vector<std::size_t> pageSizes;
    NullSink sink;
    for (std::size_t m = 0; m < std::size(kModes); ++m) {
        kModes[m].Set(options[m]);
        ConvertWatched(StringItemList({path}), options[m], sink);
        const std::size_t pageSize = FileSize(page);
        pageSizes.push_back(pageSize);
        works.push_back(
            {removing(page), [&, m] { ConvertWatched(StringItemList({path}), options[m], sink); }});
        works.push_back({removing(floorPath), [&, pageSize] { WriteFloor(floorPath, pageSize); }});
    }
    const std::vector<double> best = BestSecondsInTurn(works);
    const double copy = best[0], table = best[1];
    struct Result
    {
        const char *Name;
        double Convert, Floor, Growth;
    };
    std::vector<Result> results;
    for (std::size_t m = 0; m < std::size(kModes); ++m)
        results.push_back(
            {kModes[m].Name, best[2 + 2 * m], best[3 + 2 * m], double(pageSizes[m]) / text.size()});

    // The opt-in page options beside the default markup.
    for (std::size_t m = 1; m < 3; ++m)
        std::printf("  %-26s %5.2f of markup's speed\n", results[m].Name,
                    results[0].Convert / results[m].Convert);
    PrintRow("copy", text.size(), copy, copy);
    PrintRow("(scale: a table loop)", text.size(), table, copy);
    for (const Result &r : results) {
        PrintRow(r.Name, text.size(), r.Convert, copy);
        char label[64];
        std::snprintf(label, sizeof label, "  output floor (%.1fx)", r.Growth);
        PrintRow(label, text.size(), r.Floor, copy);
        std::printf("  %-26s %9s        %5.2f of the floor\n", "", "", r.Floor / r.Convert);
    }
    std::filesystem::remove(path);
    std::filesystem::remove(page);
}

// 2,000 small texts. Every round works in a fresh folder: the pages and
// copies are new files, as in a first conversion, and nothing is deleted
// while rounds run (a file system may be slow to hand out inodes that were
// freed a moment ago).
void BenchManyFiles(const std::string &dir)
{
    constexpr int kFiles = 2000;
    constexpr std::size_t kSize = 4096;
    const std::string text = TypicalText(kFiles * kSize, true);
    const std::size_t total = kFiles * kSize;
    std::printf("2000 files of 4 KiB (%.0f MB)\n", total / 1e6);

    int folders = 0;
    std::vector<std::string> texts(kFiles);
    std::string folder;
    const auto freshTexts = [&] {
        folder = dir + "/many" + std::to_string(folders++);
        std::filesystem::create_directory(folder);
        for (int i = 0; i < kFiles; ++i) {
            texts[i] = folder + "/text" + std::to_string(i) + ".txt";
            SaveFile(texts[i], text.substr(i * kSize, kSize));
        }
    };

    // The kinds take turns in every round, each in a fresh folder.
    std::vector<const char *> names{"copy"};
    std::vector<Timed> works{{freshTexts, [&] {
                                  for (int i = 0; i < kFiles; ++i)
                                      CopyFile(texts[i],
                                               folder + "/copy" + std::to_string(i) + ".out");
                              }}};
    for (const Mode &mode : kModes) {
        names.push_back(mode.Name);
        works.push_back({freshTexts, [&] {
                             ConversionOptions options;
                             mode.Set(options);
                             NullSink sink;
                             ConvertWatched(StringItemList(texts), options, sink);
                         }});
    }
    // Converting again, over the pages of an untimed first run: every page
    // is replaced.
    names.push_back("markup, replacing");
    works.push_back({[&] {
                         freshTexts();
                         NullSink sink;
                         ConvertFiles(StringItemList(texts), ConversionOptions(), sink);
                     },
                     [&] {
                         NullSink sink;
                         ConvertFiles(StringItemList(texts), ConversionOptions(), sink);
                     }});
    const std::vector<double> best = BestSecondsInTurn(works);
    for (std::size_t k = 0; k < works.size(); ++k)
        PrintRow(names[k], total, best[k], best[0]);
    for (std::size_t k = 1; k < works.size(); ++k)
        std::printf("  %-26s %9.0f files/s\n", names[k], kFiles / best[k]);
    for (int i = 0; i < folders; ++i)
        std::filesystem::remove_all(dir + "/many" + std::to_string(i));
}

// 20,000 texts of 4 KiB through the built txt2htm with -j 1 and -j 2, by
// wall-clock time (processor time does not show parallel work). Each run
// converts a fresh folder, every page new, and the folder goes before the
// next one is made: a file system filling up with old batches slows down
// every later run. Both the best run of each and the middle of the rounds'
// ratios are shown (this machine's disk varies a good deal from run to run).
void BenchParallelBatch(const std::string &dir)
{
    constexpr int kFiles = 20000;
    constexpr std::size_t kSize = 4096;
    constexpr int kBatchRounds = 5;
    const std::string text = TypicalText(kFiles * kSize / 16, true);
    std::printf("%d files of 4 KiB through txt2htm, wall-clock time\n", kFiles);
    const std::string folder = dir + "/batch", list = dir + "/batch.list";
    const auto freshTexts = [&] {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        std::string names;
        for (int i = 0; i < kFiles; ++i) {
            const std::string path = folder + "/text" + std::to_string(i) + ".txt";
            const std::size_t at = (i % 16) * kSize;
            SaveFile(path, text.substr(at, kSize));
            names += path + '\n';
        }
        SaveFile(list, names);
    };
    const auto run = [&](const char *jobs) {
        const pid_t child = ::fork();
        if (child == 0) {
            const std::string filesFrom = "--files-from=" + list;
            ::execl(TXT2HTM_PATH, TXT2HTM_PATH, jobs, filesFrom.c_str(),
                    static_cast<char *>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "txt2htm %s failed\n", jobs);
            std::exit(1);
        }
    };
    const bool wall = gWallClock;
    gWallClock = true;
    double best[2] = {1e30, 1e30};
    std::vector<double> ratios;
    const char *const kJobs[2] = {"-j1", "-j2"};
    for (int round = 0; round < kBatchRounds; ++round) {
        double seconds[2];
        for (int k = 0; k < 2; ++k) {
            freshTexts();
            ::sync();
            const double start = Now();
            run(kJobs[k]);
            seconds[k] = Now() - start;
            best[k] = std::min(best[k], seconds[k]);
        }
        ratios.push_back(seconds[0] / seconds[1]);
    }
    gWallClock = wall;
    for (int k = 0; k < 2; ++k)
        std::printf("  %-26s %9.0f files/s   %5.2f of -j1\n", kJobs[k], kFiles / best[k],
                    best[0] / best[k]);
    std::sort(ratios.begin(), ratios.end());
    std::printf("  %-26s %9s           %5.2f (rounds %.2f to %.2f)\n", "-j2, middle round", "",
                ratios[ratios.size() / 2], ratios.front(), ratios.back());
    std::filesystem::remove_all(folder);
    std::filesystem::remove(list);
}

} // namespace

int main(int argc, char *argv[])
{
    std::size_t size = 64 * kMiB;
    std::string only; // with --only=NAME, just that text (or "many")
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--wall")
            gWallClock = true;
        else if (arg.starts_with("--only="))
            only = arg.substr(7);
        else
            size = std::strtoul(argv[i], nullptr, 10) * kMiB;
    }
    const auto wanted = [&](const char *name) { return only.empty() || only == name; };
    std::string dir = (std::filesystem::temp_directory_path() / "qm-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    std::printf("best of %d rounds; MB/s of input by %s time\n", kRounds,
                gWallClock ? "wall-clock" : "processor");
    if (wanted("typical"))
        BenchOneText(dir, "typical", TypicalText(size, true));
    if (wanted("one-huge-line"))
        BenchOneText(dir, "one-huge-line", TypicalText(size, false));
    if (wanted("mostly-white-space"))
        BenchOneText(dir, "mostly-white-space", WhiteSpaceText(size / 4));
    if (wanted("many"))
        BenchManyFiles(dir);
    if (wanted("parallel"))
        BenchParallelBatch(dir);
    std::filesystem::remove_all(dir);
    return 0;
}
