#include "runcontrol.h"

#include "enginetexts.h"

#include <algorithm>

RunProgress RunControl::Progress() const
{
    RunProgress p;
    p.ItemsDone = FItemsDone.load(std::memory_order_relaxed);
    p.ItemCount = FItemCount.load(std::memory_order_relaxed);
    p.PagesWritten = FPagesWritten.load(std::memory_order_relaxed);
    p.TextSize = FTextSize.load(std::memory_order_relaxed);
    // A text that grew while it was read still shows as complete, not beyond.
    p.TextRead = std::min(FTextRead.load(std::memory_order_relaxed), p.TextSize);
    p.BatchSize = FBatchSize.load(std::memory_order_relaxed);
    p.BatchRead = FBatchDone.load(std::memory_order_relaxed) + p.TextRead;
    if (p.BatchSize != 0 && p.BatchRead > p.BatchSize)
        p.BatchRead = p.BatchSize;
    std::lock_guard lock(FPathLock);
    p.CurrentPath = FCurrentPath;
    return p;
}

void RunControl::StartRun(int itemCount, std::uint64_t batchSize)
{
    FItemCount.store(itemCount, std::memory_order_relaxed);
    FBatchSize.store(batchSize, std::memory_order_relaxed);
}

void RunControl::StartItem(const std::string &path)
{
    {
        std::lock_guard lock(FPathLock);
        FCurrentPath = path;
    }
    FTextRead.store(0, std::memory_order_relaxed);
    FTextSize.store(0, std::memory_order_relaxed);
}

void RunControl::ItemDone(bool pageWritten)
{
    FBatchDone.fetch_add(FTextSize.load(std::memory_order_relaxed), std::memory_order_relaxed);
    FTextRead.store(0, std::memory_order_relaxed);
    FTextSize.store(0, std::memory_order_relaxed);
    FItemsDone.fetch_add(1, std::memory_order_relaxed);
    if (pageWritten)
        FPagesWritten.fetch_add(1, std::memory_order_relaxed);
}

std::string CancelledMessage(int pagesWritten, const std::string &separator)
{
    return kCancelledText + separator + "已写入 " + std::to_string(pagesWritten) + " 个htm文件";
}
