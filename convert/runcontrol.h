#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

// Where a batch run stands: items done of the list's count, the current text
// and how far it has been read, the whole batch's bytes where known.
struct RunProgress
{
    int ItemsDone = 0;
    int ItemCount = 0;
    int PagesWritten = 0;
    std::string CurrentPath;
    std::uint64_t TextRead = 0;
    std::uint64_t TextSize = 0;
    std::uint64_t BatchRead = 0;
    std::uint64_t BatchSize = 0; // 0 while not known
};

// Shared between a batch run and whoever watches it from another thread or a
// signal handler: the run reports its progress here and checks the cancel
// request between items and after every chunk of text it reads. Reports and
// checks are relaxed atomics, so they cost the run nothing measurable.
class RunControl
{
public:
    virtual ~RunControl() = default;

    // Safe from any thread and from a signal handler.
    void RequestCancel() noexcept { FCancelRequested.store(true, std::memory_order_relaxed); }
    bool CancelRequested() const noexcept
    {
        return FCancelRequested.load(std::memory_order_relaxed);
    }
    // True once the run has stopped because of the request (it may have
    // finished before it saw it).
    bool Cancelled() const noexcept { return FCancelled.load(std::memory_order_acquire); }

    // A copy of the progress so far; safe from any thread.
    RunProgress Progress() const;

    // Called by the run.
    void StartRun(int itemCount, std::uint64_t batchSize);
    // A text is taken up. Items count as done only by ItemDone(), so that
    // workers taking items side by side keep the count right.
    void StartItem(const std::string &path);
    void SetTextSize(std::uint64_t size) noexcept
    {
        FTextSize.store(size, std::memory_order_relaxed);
    }
    // The current text has been read up to `offset`; false when the run is to
    // stop. Virtual so that tests can act at a given place in a text.
    virtual bool TextRead(std::uint64_t offset) noexcept
    {
        FTextRead.store(offset, std::memory_order_relaxed);
        return !CancelRequested();
    }
    void ItemDone(bool pageWritten);
    void MarkCancelled() noexcept { FCancelled.store(true, std::memory_order_release); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free, "cancel must be signal safe");

    std::atomic<bool> FCancelRequested{false};
    std::atomic<bool> FCancelled{false};
    std::atomic<int> FItemsDone{0};
    std::atomic<int> FItemCount{0};
    std::atomic<int> FPagesWritten{0};
    std::atomic<std::uint64_t> FTextRead{0};
    std::atomic<std::uint64_t> FTextSize{0};
    std::atomic<std::uint64_t> FBatchDone{0}; // bytes of the items before this one
    std::atomic<std::uint64_t> FBatchSize{0};
    mutable std::mutex FPathLock;
    std::string FCurrentPath;
};

// The message shown instead of the completion message when a run is
// cancelled; `separator` stands between its two lines.
std::string CancelledMessage(int pagesWritten, const std::string &separator = "\n");
