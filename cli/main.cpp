// txt2htm: converts text files to pages from the command line, with the same
// engine and batch rules as the window.

#include "commandline.h"
#include "conversionrun.h"
#include "enginetexts.h"
#include "progressline.h"
#include "textcollector.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace {

// Quiet, as command-line tools are: only failures are printed, and the pages
// written when asked with -v.
class ConsoleSink : public MessageSink
{
public:
    explicit ConsoleSink(bool verbose) : FVerbose(verbose) {}

    void ShowMessage(const std::string &, MessageIcon, const std::string &) override {}
    void ShowPlainError(const std::string &text, const std::string &) override
    {
        std::cerr << text << '\n';
        FFailed = true;
    }
    void PageWritten(const std::string &pagePath) override
    {
        if (FVerbose)
            std::cout << pagePath << '\n';
    }
    void PageKept(const std::string &pagePath) override
    {
        if (FVerbose)
            std::cout << pagePath << " (kept)\n";
    }

    bool Failed() const { return FFailed; }

private:
    bool FVerbose;
    bool FFailed = false;
};

// Writes out what is left of standard output. A list of pages (or help) that
// did not reach its reader is a failure, as in any command-line tool.
bool StandardOutputWritten()
{
    // The reason is the last write's, when that is the one that failed; an
    // earlier failure is reported without one.
    errno = 0;
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::cerr << FailureLine("标准输出", kWriteFailedText, errno) << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine line = ParseCommandLine(argc, argv);
    switch (line.Action) {
    case CommandLine::Action::Help:
        std::cout << UsageText();
        return StandardOutputWritten() ? 0 : 1;
    case CommandLine::Action::Version:
        std::cout << "txt2htm " << QM_VERSION << '\n';
        return StandardOutputWritten() ? 0 : 1;
    case CommandLine::Action::UsageError:
        std::cerr << "txt2htm: " << line.Error << "\nTry 'txt2htm --help'.\n";
        return 2;
    case CommandLine::Action::Convert:
        break;
    }
    ConsoleSink sink(line.Verbose);
    int status = 0;
    const std::unique_ptr<RunControl> control = RunControlFactory()();
    {
        CancelOnInterrupt interrupt(*control);
        std::optional<ProgressLine> progress;
        if (line.Progress || ::isatty(STDERR_FILENO))
            progress.emplace(*control);
        status = RunConversion(line, sink, control.get());
    }
    // The pages stay whether or not their list could be written.
    const bool listed = StandardOutputWritten();
    if (control->Cancelled()) {
        std::cerr << "txt2htm: " << CancelledMessage(control->Progress().PagesWritten, ": ")
                  << '\n';
        return 130;
    }
    return status != 0 ? status : (listed ? 0 : 1);
}
