#include "batchrun.h"

#include "pagefile.h"
#include "pagefilename.h"
#include "pagefolder.h"
#include "pageguard.h"
#include "pagewriter.h"
#include "pathparts.h"
#include "textreader.h"
#include "textwriter.h"

#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kCannotOpen[] = "不能打开文件!";
const char kCannotCreate[] = "不能新建文件!";
const char kReadFailed[] = "读取文件出错!";
const char kWriteFailed[] = "写入文件出错!";
const char kErrorCaption[] = "出错";

// Why an item failed, and the file concerned.
struct Failure
{
    const char *Message;
    std::string Path;
};

// Closes a descriptor when it goes out of scope.
class FdCloser
{
public:
    explicit FdCloser(int fd) : FFd(fd) {}
    ~FdCloser()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    FdCloser(const FdCloser &) = delete;
    FdCloser &operator=(const FdCloser &) = delete;

private:
    int FFd;
};

// Opens a text for reading; only a regular file will do. O_NONBLOCK keeps a
// FIFO from blocking the open before it is turned away.
int OpenText(const std::string &path, struct stat &st)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

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
                                     Buffers &buffers)
{
    if (!page.Create())
        return Failure{kCannotCreate, pagePath};

    TextReader reader(textFd, {buffers.Read.get(), TextReader::kDefaultBufferSize});
    TextWriter writer(page.Fd(), {buffers.Write.get(), TextWriter::kDefaultBufferSize});
    WritePage(reader, writer, options);
    const bool written = writer.Flush();
    if (reader.Failed() || reader.ChangedSince(textStatus, textPath))
        return Failure{kReadFailed, textPath};
    if (!written)
        return Failure{kWriteFailed, pagePath};
    switch (page.Commit()) {
    case PageFile::CommitResult::CloseFailed:
        return Failure{kWriteFailed, pagePath};
    case PageFile::CommitResult::ReplaceFailed:
        return Failure{kCannotCreate, pagePath};
    case PageFile::CommitResult::Done:
        break;
    }
    return std::nullopt;
}

std::optional<Failure> ConvertFile(const std::string &textPath, const ConversionOptions &options,
                                   PageGuard &guard, PageFolder &folder, Buffers &buffers)
{
    struct stat textStatus;
    const int textFd = OpenText(textPath, textStatus);
    if (textFd < 0)
        return Failure{kCannotOpen, textPath};
    FdCloser closeText(textFd);

    const std::string pagePath = PageFileName(textPath);
    const FileId text{textStatus.st_dev, textStatus.st_ino};
    const PathParts place = SplitPath(pagePath);
    PageFile page;
    if (!folder.Open(place.Folder) || !page.Open(folder, place.Name) || !guard.MayWrite(text, page))
        return Failure{kCannotCreate, pagePath};
    if (auto failure =
            WritePageFile(textFd, textStatus, textPath, page, pagePath, options, buffers))
        return failure;
    guard.Written(text, page);
    return std::nullopt;
}

} // namespace

void ConvertFiles(const ItemList &items, const ConversionOptions &options, MessageSink &sink)
{
    if (items.Count() == 0) {
        sink.ShowMessage("  列表框中没有任何文件！", MessageIcon::Warning, "警告");
        return;
    }
    PageGuard guard(items);
    PageFolder folder;
    Buffers buffers;
    // The list is asked afresh for its count and each item.
    for (int i = 0; i < items.Count(); ++i) {
        const std::string textPath = items.Item(i);
        guard.NoteItem(textPath);
        if (const auto failure = ConvertFile(textPath, options, guard, folder, buffers)) {
            sink.ShowPlainError(failure->Message + ("\n" + failure->Path), kErrorCaption);
            return;
        }
        sink.PageWritten(PageFileName(textPath));
    }
    sink.ShowMessage("列表框中所有txt文件已经成功转换！", MessageIcon::Information, "提示");
}
