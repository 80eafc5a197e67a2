#include "batchrun.h"

#include "descriptor.h"
#include "enginetexts.h"
#include "pagefile.h"
#include "pagefilename.h"
#include "pagefolder.h"
#include "pageguard.h"
#include "pagewriter.h"
#include "pathparts.h"
#include "runcontrol.h"
#include "textreader.h"
#include "textwriter.h"

#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Run control: marks the item that a cancel request stopped.
const char kCancelled[] = "";

// Why an item failed, and the file concerned.
struct Failure
{
    const char *Message;
    std::string Path;
};

// The buffers of a run, shared by its items.
struct Buffers
{
    std::unique_ptr<char[]> Read{new char[TextReader::kDefaultBufferSize]};
    std::unique_ptr<char[]> Write{new char[TextWriter::kDefaultBufferSize]};
};

// Writes the page of the open text to a new file that takes the page's place
// only when complete, and only if the text stayed as it was opened.
std::optional<Failure> WritePageFile(int textFd, const struct stat &textStatus,
                                     const std::string &textPath, PageFile &page,
                                     const std::string &pagePath, const ConversionOptions &options,
                                     Buffers &buffers, RunControl *control)
{
    if (!page.Create())
        return Failure{kCannotCreatePage, pagePath};

    TextReader reader(textFd, {buffers.Read.get(), TextReader::kDefaultBufferSize});
    TextWriter writer(page.Fd(), {buffers.Write.get(), TextWriter::kDefaultBufferSize});
    reader.Watch(control); // Run control
    WritePage(reader, writer, options);
    // Run control: a cancelled page goes the way of a failed one.
    if (control && control->CancelRequested())
        return Failure{kCancelled, pagePath};
    const bool written = writer.Flush();
    if (reader.Failed() || reader.ChangedSince(textStatus, textPath))
        return Failure{kReadFailedText, textPath};
    if (!written)
        return Failure{kWriteFailedText, pagePath};
    switch (page.Commit()) {
    case PageFile::CommitResult::CloseFailed:
        return Failure{kWriteFailedText, pagePath};
    case PageFile::CommitResult::ReplaceFailed:
        return Failure{kCannotCreatePage, pagePath};
    case PageFile::CommitResult::Done:
        break;
    }
    return std::nullopt;
}

std::optional<Failure> ConvertFile(const std::string &textPath, const ConversionOptions &options,
                                   PageGuard &guard, PageFolder &folder, Buffers &buffers,
                                   RunControl *control)
{
    struct stat textStatus;
    int error = 0;
    const Descriptor textFile(OpenTextFile(textPath, textStatus, error));
    const int textFd = textFile.Get();
    if (textFd < 0)
        return Failure{kCannotOpenText, textPath};
    if (control) // Run control
        control->SetTextSize(textStatus.st_size);

    const std::string pagePath = PageFileName(textPath);
    const FileId text{textStatus.st_dev, textStatus.st_ino};
    const PathParts place = SplitPath(pagePath);
    PageFile page;
    if (!folder.Open(place.Folder) || !page.Open(folder, place.Name) || !guard.MayWrite(text, page))
        return Failure{kCannotCreatePage, pagePath};
    if (auto failure =
            WritePageFile(textFd, textStatus, textPath, page, pagePath, options, buffers, control))
        return failure;
    guard.Written(text, page);
    return std::nullopt;
}

// Run control: the sizes of the list's texts, for the batch's progress.
std::uint64_t BatchSize(const ItemList &items)
{
    std::uint64_t size = 0;
    struct stat st;
    for (int i = 0; i < items.Count(); ++i)
        if (::stat(items.Item(i).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            size += st.st_size;
    return size;
}

// Run control: ends a cancelled run with its message.
void ReportCancelled(RunControl &control, MessageSink &sink)
{
    control.MarkCancelled();
    sink.ShowMessage(CancelledMessage(control.Progress().PagesWritten), MessageIcon::Information,
                     kInformationCaption);
}

} // namespace

void ConvertFiles(const ItemList &items, const ConversionOptions &options, MessageSink &sink,
                  RunControl *control)
{
    if (items.Count() == 0) {
        sink.ShowMessage(kEmptyListText, MessageIcon::Warning, kWarningCaption);
        return;
    }
    PageGuard guard(items);
    PageFolder folder;
    Buffers buffers;
    if (control) // Run control
        control->StartRun(items.Count(), BatchSize(items));
    // The list is asked afresh for its count and each item.
    for (int i = 0; i < items.Count(); ++i) {
        if (control && control->CancelRequested()) // Run control
            return ReportCancelled(*control, sink);
        const std::string textPath = items.Item(i);
        if (control) // Run control
            control->StartItem(textPath);
        guard.NoteItem(textPath);
        if (const auto failure = ConvertFile(textPath, options, guard, folder, buffers, control)) {
            if (failure->Message == kCancelled) // Run control
                return ReportCancelled(*control, sink);
            sink.ShowPlainError(failure->Message + ("\n" + failure->Path), kErrorCaption);
            return;
        }
        if (control) // Run control
            control->ItemDone(true);
        sink.PageWritten(PageFileName(textPath));
    }
    sink.ShowMessage("列表框中所有txt文件已经成功转换！", MessageIcon::Information,
                     kInformationCaption);
}
