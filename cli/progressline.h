#pragma once

#include "runcontrol.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Makes the run control of a batch: tests of the tool put in one that slows
// the engine down.
std::function<std::unique_ptr<RunControl>()> &RunControlFactory();

// While it lives, SIGINT asks `control` to cancel instead of ending the
// process; the default action comes back afterwards.
class CancelOnInterrupt
{
public:
    explicit CancelOnInterrupt(RunControl &control);
    ~CancelOnInterrupt();
    CancelOnInterrupt(const CancelOnInterrupt &) = delete;
    CancelOnInterrupt &operator=(const CancelOnInterrupt &) = delete;
};

// A one-line progress display on standard error, redrawn a few times a
// second from a thread of its own while the run goes on, and cleared at the
// end: "[n/total] name  read/size MB  percent".
class ProgressLine
{
public:
    static constexpr int kIntervalMs = 200;

    explicit ProgressLine(const RunControl &control);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // The line for a state of the run, without the carriage return.
    static std::string Format(const RunProgress &progress);

private:
    void Loop();
    void Draw();

    const RunControl &FControl;
    std::mutex FLock;
    std::condition_variable FWake;
    bool FStop = false;
    std::size_t FLastWidth = 0;
    std::thread FThread;
};
