// The window's batch run against txt2htm's on the same batch, side by side:
// one large text and 2,000 small ones, writing new pages and replacing them,
// each timed by the wall clock, the two taking turns in every round. The window's run goes through the convert
// button's handler (worker thread, messages on the window's thread); its
// completion message is closed as soon as it shows.
// Usage: bench_window [SIZE_MIB]   (QT_QPA_PLATFORM=offscreen needs no display)
#include "morefont.h"
#include "unit1.h"
#include "veklistbox.h"

#include <QApplication>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 5;

// Whether the timed runs write new pages or replace existing ones.
enum class Pages { New, Replaced };

// Each run starts with the same folder: no page of the batch there, or every
// page there (a page replaced by a rename costs ext4 far more than a new one,
// so the two runs must meet the same), and nothing left to write back from the
// run before.
double Seconds(const std::vector<std::string> &texts, Pages pages,
               const std::function<void()> &work)
{
    for (const std::string &text : texts) {
        const auto page = std::filesystem::path(text).replace_extension(".htm");
        if (pages == Pages::New)
            std::filesystem::remove(page);
        else if (!std::filesystem::exists(page))
            std::ofstream(page, std::ios::binary) << "old";
    }
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Closes each modal window as soon as it is shown, without polling.
class MessageCloser : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal())
            QTimer::singleShot(0, widget, [widget] { widget->close(); });
        return false;
    }
};

void RunTool(const std::vector<std::string> &texts)
{
    std::vector<char *> argv{const_cast<char *>(TXT2HTM_PATH)};
    for (const std::string &t : texts)
        argv.push_back(const_cast<char *>(t.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(TXT2HTM_PATH, argv.data());
        ::_exit(127);
    }
    ::waitpid(child, nullptr, 0);
}

void FillList(TForm1 &form, const std::vector<std::string> &texts)
{
    form.vekListBox1->clear();
    for (const std::string &t : texts)
        form.vekListBox1->addItem(QString::fromStdString(t));
}

std::string Text(std::size_t size)
{
    const std::string line = "The quick brown fox jumps over the lazy dog,  and  again.\n";
    std::string text;
    text.reserve(size);
    while (text.size() + line.size() <= size)
        text += line;
    text.append(size - text.size(), 'x');
    return text;
}

void Compare(const std::string &name, double bytes, TForm1 &form,
             const std::vector<std::string> &texts)
{
    FillList(form, texts);
    for (Pages pages : {Pages::New, Pages::Replaced}) {
        double window = 1e9, tool = 1e9;
        for (int round = 0; round < kRounds; ++round) {
            tool = std::min(tool, Seconds(texts, pages, [&] { RunTool(texts); }));
            window =
                std::min(window, Seconds(texts, pages, [&] { form.vekButton2Click(nullptr); }));
        }
        const std::string row = name + (pages == Pages::New ? ", new pages" : ", replacing");
        std::printf("%-36s txt2htm %7.0f MB/s   window %7.0f MB/s   window/txt2htm %.3f\n",
                    row.c_str(), bytes / tool / 1e6, bytes / window / 1e6, tool / window);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;

    TForm1 form;
    Form1 = &form;
    Tfm_morefont morefont;
    fm_morefont = &morefont;
    form.show();
    // Closes the completion message as soon as it shows.
    MessageCloser closer;
    app.installEventFilter(&closer);

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("qm-bench-window-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::printf("best of %d rounds, wall clock\n", kRounds);

    const std::string big = (dir / "big.txt").string();
    std::ofstream(big, std::ios::binary) << Text(mib * 1024 * 1024);
    Compare("one text of " + std::to_string(mib) + " MiB", mib * 1048576.0, form, {big});
    std::filesystem::remove(big);
    std::filesystem::remove(dir / "big.htm");

    std::vector<std::string> small;
    const std::string piece = Text(4096);
    for (int i = 0; i < 2000; ++i) {
        small.push_back((dir / ("t" + std::to_string(i) + ".txt")).string());
        std::ofstream(small.back(), std::ios::binary) << piece;
    }
    Compare("2000 texts of 4 KiB", 2000 * 4096.0, form, small);

    std::filesystem::remove_all(dir);
    fm_morefont = nullptr;
    Form1 = nullptr;
    return 0;
}
