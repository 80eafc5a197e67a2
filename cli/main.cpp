// txt2htm: converts text files to pages from the command line, with the same
// engine and batch rules as the window.

#include "commandline.h"
#include "conversionrun.h"

#include <cstdio>
#include <iostream>

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

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine line = ParseCommandLine(argc, argv);
    switch (line.Action) {
    case CommandLine::Action::Help:
        std::cout << UsageText();
        return 0;
    case CommandLine::Action::Version:
        std::cout << "txt2htm " << QM_VERSION << '\n';
        return 0;
    case CommandLine::Action::UsageError:
        std::cerr << "txt2htm: " << line.Error << "\nTry 'txt2htm --help'.\n";
        return 2;
    case CommandLine::Action::Convert:
        break;
    }
    ConsoleSink sink(line.Verbose);
    const int status = RunConversion(line, sink);
    std::cout.flush();
    return status;
}
