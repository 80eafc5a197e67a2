#include "conversionrun.h"

#include "runcontrol.h"
#include "textcollector.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

// The items and the order in which their pages take their place and their
// outcomes are reported. Workers convert items as they come and hand each
// result over; whichever worker finds the next item in list order done puts
// its page in place and reports it, and goes on while the following ones are
// done too. No worker waits for another, except to stay at most a bounded
// number of items ahead (each written page keeps a file open until its turn)
// and for standard output, which is written at its item's turn.
class OrderedRun
{
public:
    OrderedRun(const std::vector<RunItem> &items, const JobRules &rules, bool keepGoing,
               int workers, MessageSink &sink)
        : FItems(items), FRules(rules), FKeepGoing(keepGoing),
          FMaxAhead(64 + 2 * static_cast<std::size_t>(workers)), FSink(sink)
    {}

    // Takes items until none is left or the run has stopped.
    void Work()
    {
        JobBuffers buffers;
        std::size_t index;
        while (TakeItem(index)) {
            const RunItem &item = FItems[index];
            if (FRules.Control)
                FRules.Control->StartItem(item.Job.TextPath);
            const auto waitTurn = [&] { return WaitTurn(index); };
            HandOver(index,
                     item.Failed ? *item.Failed : RunPageJob(item.Job, FRules, buffers, waitTurn));
        }
    }

    bool AnyFailed() const { return FAnyFailed; }

private:
    // The next item to convert; false once none is left or the run stopped.
    bool TakeItem(std::size_t &index)
    {
        std::unique_lock lock(FMutex);
        FTurnChanged.wait(lock, [&] {
            return FStopped || FNextItem == FItems.size() || FNextItem - FTurn < FMaxAhead;
        });
        if (FRules.Control && FRules.Control->CancelRequested())
            StopLocked();
        if (FStopped || FNextItem == FItems.size())
            return false;
        index = FNextItem++;
        return true;
    }

    // Ends the run for every worker, also those waiting; the pages not yet
    // in place are discarded.
    void StopLocked()
    {
        FStopped = true;
        FDone.clear();
        FTurnChanged.notify_all();
    }

    // Waits until item `index` is next in list order; false if the run
    // stopped before.
    bool WaitTurn(std::size_t index)
    {
        std::unique_lock lock(FMutex);
        FTurnChanged.wait(lock, [&] { return FStopped || FTurn == index; });
        return !FStopped;
    }

    // Takes the result of item `index`; then, unless another worker is at it,
    // puts in place and reports every result that is next in list order.
    void HandOver(std::size_t index, JobResult result)
    {
        std::unique_lock lock(FMutex);
        if (result.Outcome == JobResult::Outcome::Stopped)
            StopLocked();
        if (FStopped)
            return;
        FDone.emplace(index, std::move(result));
        if (FPlacing)
            return;
        FPlacing = true;
        for (auto next = FDone.find(FTurn); next != FDone.end(); next = FDone.find(FTurn)) {
            JobResult done = std::move(next->second);
            FDone.erase(next);
            lock.unlock();
            const bool failed = !Place(FItems[FTurn].Job, std::move(done));
            lock.lock();
            FAnyFailed = FAnyFailed || failed;
            if (failed && !FKeepGoing) {
                StopLocked();
                break;
            }
            ++FTurn;
            FTurnChanged.notify_all();
        }
        FPlacing = false;
    }

    // Puts an item's page in place and reports it; false if it failed.
    bool Place(const PageJob &job, JobResult result)
    {
        result = CommitPage(std::move(result), job);
        Report(job, result);
        if (FRules.Control)
            FRules.Control->ItemDone(result.Outcome == JobResult::Outcome::Written);
        return result.Outcome != JobResult::Outcome::Failed;
    }

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
    const std::size_t FMaxAhead;
    MessageSink &FSink;

    std::mutex FMutex;
    std::condition_variable FTurnChanged;
    std::size_t FNextItem = 0;
    std::size_t FTurn = 0; // the next item to be put in place
    std::map<std::size_t, JobResult> FDone;
    bool FPlacing = false;
    bool FStopped = false;
    bool FAnyFailed = false;
};

// Every file the run reads as a text, so that no page replaces one; looked
// up the first time a page's name is found taken (a run of new pages needs
// none of it).
class TextFiles
{
public:
    explicit TextFiles(const std::vector<RunItem> &items) : FItems(items) {}

    bool Contains(FileId file)
    {
        std::call_once(FLookedUp, [this] { LookUp(); });
        return FFiles.count(file) != 0;
    }

private:
    void LookUp()
    {
        struct stat st;
        for (const RunItem &item : FItems)
            if (!item.Failed && item.Job.TextPath != "-" &&
                ::stat(item.Job.TextPath.c_str(), &st) == 0)
                FFiles.insert({st.st_dev, st.st_ino});
    }

    const std::vector<RunItem> &FItems;
    std::once_flag FLookedUp;
    std::set<FileId> FFiles;
};

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
    TextFiles texts(items);
    JobRules rules{line.Options, line.NoClobber,
                   [&texts](FileId file) { return texts.Contains(file); }};
    rules.Control = control;
    if (control)
        control->StartRun(static_cast<int>(items.size()), 0);
    const int workers = WorkerCount(line.Jobs, items.size());
    OrderedRun run(items, rules, line.KeepGoing, workers, sink);
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
