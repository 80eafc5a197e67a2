#include "progressline.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

RunControl *gInterruptTarget = nullptr;

// Only a lock-free atomic store: safe in a signal handler.
extern "C" void CancelOnSignal(int)
{
    if (gInterruptTarget)
        gInterruptTarget->RequestCancel();
}

std::string BaseName(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::function<std::unique_ptr<RunControl>()> &RunControlFactory()
{
    static std::function<std::unique_ptr<RunControl>()> factory = [] {
        return std::make_unique<RunControl>();
    };
    return factory;
}

CancelOnInterrupt::CancelOnInterrupt(RunControl &control)
{
    gInterruptTarget = &control;
    struct sigaction action = {};
    action.sa_handler = CancelOnSignal;
    sigemptyset(&action.sa_mask);
    // Reads and writes go on after the handler; the engine sees the request
    // at its next check.
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
}

CancelOnInterrupt::~CancelOnInterrupt()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    gInterruptTarget = nullptr;
}

ProgressLine::ProgressLine(const RunControl &control)
    : FControl(control), FThread([this] { Loop(); })
{}

ProgressLine::~ProgressLine()
{
    {
        std::lock_guard lock(FLock);
        FStop = true;
    }
    FWake.notify_one();
    FThread.join();
    // Clear the line, so that what follows starts on a clean one.
    std::fprintf(stderr, "\r%*s\r", static_cast<int>(FLastWidth), "");
    std::fflush(stderr);
}

std::string ProgressLine::Format(const RunProgress &p)
{
    const int number = p.ItemsDone < p.ItemCount ? p.ItemsDone + 1 : p.ItemCount;
    char line[128];
    std::snprintf(line, sizeof line, "[%d/%d] ", number, p.ItemCount);
    std::string text = line;
    text += BaseName(p.CurrentPath);
    std::snprintf(line, sizeof line, "  %.1f/%.1f MB", p.TextRead / 1e6, p.TextSize / 1e6);
    text += line;
    if (p.BatchSize != 0) {
        std::snprintf(line, sizeof line, "  %d%%",
                      static_cast<int>(p.BatchRead * 100 / p.BatchSize));
        text += line;
    }
    return text;
}

void ProgressLine::Loop()
{
    std::unique_lock lock(FLock);
    while (!FWake.wait_for(lock, std::chrono::milliseconds(kIntervalMs), [this] { return FStop; }))
        Draw();
}

// The previous line is overwritten; a shorter one is padded with spaces.
void ProgressLine::Draw()
{
    const std::string text = Format(FControl.Progress());
    const int pad = FLastWidth > text.size() ? static_cast<int>(FLastWidth - text.size()) : 0;
    std::fprintf(stderr, "\r%s%*s", text.c_str(), pad, "");
    std::fflush(stderr);
    FLastWidth = text.size();
}
