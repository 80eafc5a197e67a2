#include "conversionrun.h"

#include "runcontrol.h"
#include "textcollector.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

// The items and the order in which their pages take their place and their
// outcomes are reported: one item holds the turn at a time, in list order.
class OrderedRun
{
public:
    OrderedRun(const std::vector<RunItem> &items, const JobRules &rules, bool keepGoing,
               MessageSink &sink)
        : FItems(items), FRules(rules), FKeepGoing(keepGoing), FSink(sink)
    {}

    // Takes items until none is left or the run has stopped.
    void Work()
    {
        JobBuffers buffers;
        for (;;) {
            std::size_t index;
            {
                std::lock_guard lock(FMutex);
                if (FRules.Control && FRules.Control->CancelRequested())
                    StopLocked();
                if (FStopped || FNextItem == FItems.size())
                    return;
                index = FNextItem++;
            }
            if (!RunItemAt(index, buffers))
                return;
        }
    }

    bool AnyFailed() const { return FAnyFailed; }

private:
    // Ends the run for every worker, also those waiting for their turn.
    void StopLocked()
    {
        FStopped = true;
        FTurnChanged.notify_all();
    }

    // Waits until item `index` holds the turn; false if the run stopped
    // before it came.
    bool WaitTurn(std::size_t index)
    {
        std::unique_lock lock(FMutex);
        FTurnChanged.wait(lock, [&] { return FStopped || FTurn == index; });
        return !FStopped;
    }

    // Converts one item and reports it at its turn; false if the run stopped.
    bool RunItemAt(std::size_t index, JobBuffers &buffers)
    {
        const RunItem &item = FItems[index];
        bool holding = false;
        const auto waitTurn = [&] { return holding = WaitTurn(index); };
        if (FRules.Control)
            FRules.Control->StartItem(static_cast<int>(index), item.Job.TextPath);
        const JobResult result =
            item.Failed ? *item.Failed : RunPageJob(item.Job, FRules, buffers, waitTurn);
        if (result.Outcome == JobResult::Outcome::Stopped) {
            std::lock_guard lock(FMutex);
            StopLocked();
            return false;
        }
        if (!holding && !WaitTurn(index))
            return false;
        Report(item.Job, result);
        if (FRules.Control)
            FRules.Control->ItemDone(result.Outcome == JobResult::Outcome::Written);
        const bool failed = result.Outcome == JobResult::Outcome::Failed;
        std::lock_guard lock(FMutex);
        FAnyFailed = FAnyFailed || failed;
        if (failed && !FKeepGoing) {
            StopLocked();
        } else {
            ++FTurn;
            FTurnChanged.notify_all();
        }
        return !FStopped;
    }

    // Only the item that holds the turn reports.
    void Report(const PageJob &job, const JobResult &result)
    {
        switch (result.Outcome) {
        case JobResult::Outcome::Written:
            // A page on standard output is not listed there as well.
            if (job.TextPath != "-")
                FSink.PageWritten(job.PagePath);
            break;
        case JobResult::Outcome::Kept:
            FSink.PageKept(job.PagePath);
            break;
        case JobResult::Outcome::Failed:
            FSink.ShowPlainError(FailureLine(result.Path, result.Message, result.Error),
                                 kErrorCaption);
            break;
        case JobResult::Outcome::Stopped:
            break;
        }
    }

    const std::vector<RunItem> &FItems;
    const JobRules &FRules;
    const bool FKeepGoing;
    MessageSink &FSink;

    std::mutex FMutex;
    std::condition_variable FTurnChanged;
    std::size_t FNextItem = 0;
    std::size_t FTurn = 0;
    bool FStopped = false;
    bool FAnyFailed = false;
};

// Every file the run reads as a text, so that no page replaces one.
std::set<std::pair<dev_t, ino_t>> TextFiles(const std::vector<RunItem> &items)
{
    std::set<std::pair<dev_t, ino_t>> texts;
    struct stat st;
    for (const RunItem &item : items)
        if (!item.Failed && item.Job.TextPath != "-" && ::stat(item.Job.TextPath.c_str(), &st) == 0)
            texts.insert({st.st_dev, st.st_ino});
    return texts;
}

int WorkerCount(int jobs, std::size_t items)
{
    const int wanted = jobs > 0 ? jobs : static_cast<int>(std::thread::hardware_concurrency());
    return static_cast<int>(
        std::clamp<std::size_t>(std::max(wanted, 1), 1, std::max<std::size_t>(items, 1)));
}

} // namespace

int RunConversion(const CommandLine &line, MessageSink &sink, RunControl *control)
{
    TextCollector collector(line);
    if (!collector.Collect()) {
        sink.ShowPlainError(collector.Problem(), kErrorCaption);
        return 1;
    }
    const std::vector<RunItem> &items = collector.Items();
    JobRules rules{line.Options, line.NoClobber, TextFiles(items)};
    rules.Control = control;
    if (control)
        control->StartRun(static_cast<int>(items.size()), 0);
    OrderedRun run(items, rules, line.KeepGoing, sink);
    const int workers = WorkerCount(line.Jobs, items.size());
    std::vector<std::thread> threads;
    for (int i = 1; i < workers; ++i)
        threads.emplace_back([&run] { run.Work(); });
    run.Work();
    for (std::thread &thread : threads)
        thread.join();
    if (control && control->CancelRequested() &&
        control->Progress().ItemsDone < static_cast<int>(items.size()))
        control->MarkCancelled();
    return run.AnyFailed() ? 1 : 0;
}
