#include "pagejob.h"

#include "descriptor.h"
#include "pagefile.h"
#include "pagefolder.h"
#include "pageguard.h"
#include "pagewriter.h"
#include "pathparts.h"
#include "runcontrol.h"
#include "textreader.h"
#include "textwriter.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// A written page and the folder it is to take its place in.
class PendingPage
{
public:
    std::shared_ptr<PageFolder> Folder;
    PageFile File;
};

namespace {

constexpr char kStandardStream[] = "-";

JobResult Failure(const char *message, const std::string &path, int error)
{
    return {JobResult::Outcome::Failed, message, path, error, {}};
}

JobResult Stopped()
{
    return {JobResult::Outcome::Stopped, nullptr, {}, 0, {}};
}

// A file with no name in the temporary folder, for bytes that must be read
// again (standard input) or rewritten (a page to a pipe).
int AnonymousFile()
{
    const char *folder = std::getenv("TMPDIR");
    const std::string dir = folder && *folder ? folder : "/tmp";
    int fd = ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    std::string name = dir + "/txt2htm-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0)
        ::unlink(name.c_str());
    return fd;
}

bool CopyAll(int from, int to, char *buffer, std::size_t size)
{
    for (;;) {
        ssize_t got = ::read(from, buffer, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (const char *p = buffer; got > 0;) {
            const ssize_t put = ::write(to, p, got);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return false;
            p += put;
            got -= put;
        }
    }
}

// Standard input as the writer needs it: readable from its first byte again.
// A regular file at its start is used as it is; anything else (a pipe, a
// terminal) is first copied to an anonymous file.
int OpenStandardInput(JobBuffers &buffers, int &error)
{
    struct stat st;
    if (::fstat(0, &st) == 0 && S_ISREG(st.st_mode) && ::lseek(0, 0, SEEK_CUR) == 0)
        return 0;
    const int fd = AnonymousFile();
    if (fd < 0 || !CopyAll(0, fd, buffers.Read.get(), TextReader::kDefaultBufferSize) ||
        ::lseek(fd, 0, SEEK_SET) != 0) {
        error = errno;
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

// Makes `folder` and the folders above it that are missing.
bool MakeFolders(const std::string &folder, int &error)
{
    if (folder.empty() || ::mkdir(folder.c_str(), 0777) == 0)
        return true;
    if (errno == EEXIST) {
        struct stat st;
        if (::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return true;
        error = ENOTDIR;
        return false;
    }
    const std::size_t slash = folder.find_last_of('/');
    if (errno != ENOENT || slash == std::string::npos || slash == 0) {
        error = errno;
        return false;
    }
    if (!MakeFolders(folder.substr(0, slash), error))
        return false;
    if (::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST)
        return true;
    error = errno;
    return false;
}

// Writes the page of the open text through the worker's buffers; false if
// a read or a write failed, with `result` saying which.
bool WriteWhole(int textFd, int pageFd, const PageJob &job, const JobRules &rules,
                JobBuffers &buffers, JobResult &result, const struct stat *opened = nullptr)
{
    TextReader reader(textFd, {buffers.Read.get(), TextReader::kDefaultBufferSize});
    TextWriter writer(pageFd, {buffers.Write.get(), TextWriter::kDefaultBufferSize});
    reader.Watch(rules.Control);
    WritePage(reader, writer, rules.Options);
    // A cancelled page goes the way of a failed one: it never takes its place.
    if (rules.Control && rules.Control->CancelRequested()) {
        result = Stopped();
        return false;
    }
    const bool written = writer.Flush();
    const int error = errno;
    // A text that changed while it was read matches no state of it.
    const bool readFailed =
        reader.Failed() || (opened && reader.ChangedSince(*opened, job.TextPath));
    if (readFailed)
        result = Failure(kReadFailedText, job.TextPath, 0);
    else if (!written)
        result = Failure(kWriteFailedText, job.PagePath, error);
    return !readFailed && written;
}

// The page goes to standard output, at the item's turn. A page whose
// character set is decided from the text may have to start over, which a
// pipe cannot: it is written to an anonymous file first then.
JobResult WriteToStandardOutput(int textFd, const PageJob &job, const JobRules &rules,
                                JobBuffers &buffers, const std::function<bool()> &waitTurn)
{
    JobResult result;
    if (!waitTurn())
        return Stopped();
    const bool mayStartOver = rules.Options.Charset == kAutoCharset && !rules.Options.NoMarkup;
    if (!mayStartOver || ::lseek(1, 0, SEEK_CUR) >= 0) {
        WriteWhole(textFd, 1, job, rules, buffers, result);
        return result;
    }
    Descriptor page(AnonymousFile());
    if (page.Get() < 0)
        return Failure(kWriteFailedText, job.PagePath, errno);
    if (!WriteWhole(textFd, page.Get(), job, rules, buffers, result))
        return result;
    if (::lseek(page.Get(), 0, SEEK_SET) != 0 ||
        !CopyAll(page.Get(), 1, buffers.Read.get(), TextReader::kDefaultBufferSize))
        return Failure(kWriteFailedText, job.PagePath, errno);
    return result;
}

// The worker's folder for a page in `path`: the one open already, unless a
// pending page still uses it for another folder.
PageFolder *FolderFor(const std::string &path, JobBuffers &buffers)
{
    std::shared_ptr<PageFolder> &folder = buffers.Folder;
    if (!folder || (folder.use_count() > 1 && folder->Path() != path))
        folder = std::make_shared<PageFolder>();
    return folder->Open(path) ? folder.get() : nullptr;
}

JobResult WriteToPageFile(int textFd, const struct stat &text, const PageJob &job,
                          const JobRules &rules, JobBuffers &buffers)
{
    int error = 0;
    const PathParts place = SplitPath(job.PagePath);
    if (job.CreateFolders && !MakeFolders(place.Folder, error))
        return Failure(kCannotCreatePage, job.PagePath, error);
    PageFolder *folder = FolderFor(place.Folder, buffers);
    auto pending = std::make_shared<PendingPage>();
    PageFile &page = pending->File;
    if (!folder || !page.Open(*folder, place.Name))
        return Failure(kCannotCreatePage, job.PagePath, errno);
    pending->Folder = buffers.Folder;
    const bool exists = page.Existing() != PageFile::Entry::None;
    if (exists && rules.NoClobber)
        return {JobResult::Outcome::Kept, nullptr, job.PagePath, 0, {}};
    // Never over the text itself or another text of the run, also through
    // links, nor over anything the process may not write.
    const FileId textId{text.st_dev, text.st_ino};
    const auto isText = [&](FileId file) {
        return file == textId || (rules.IsText && rules.IsText(file));
    };
    if (exists && !MayReplaceExisting(page, isText))
        return Failure(kCannotCreatePage, job.PagePath, 0);
    if (!page.Create())
        return Failure(kCannotCreatePage, job.PagePath, errno);
    JobResult result;
    if (WriteWhole(textFd, page.Fd(), job, rules, buffers, result, &text))
        result.Page = std::move(pending);
    return result;
}

} // namespace

JobBuffers::JobBuffers()
    : Read(new char[TextReader::kDefaultBufferSize]),
      Write(new char[TextWriter::kDefaultBufferSize])
{}

JobBuffers::~JobBuffers() = default;

JobResult RunPageJob(const PageJob &job, const JobRules &rules, JobBuffers &buffers,
                     const std::function<bool()> &waitTurn)
{
    int error = 0;
    struct stat text
    {
    };
    const bool fromInput = job.TextPath == kStandardStream;
    const Descriptor textFd(fromInput ? OpenStandardInput(buffers, error)
                                      : OpenTextFile(job.TextPath, text, error));
    if (textFd.Get() < 0)
        return Failure(kCannotOpenText, job.TextPath, error);
    if (rules.Control && !fromInput)
        rules.Control->SetTextSize(static_cast<std::uint64_t>(text.st_size));
    if (fromInput)
        return WriteToStandardOutput(textFd.Get(), job, rules, buffers, waitTurn);
    return WriteToPageFile(textFd.Get(), text, job, rules, buffers);
}

JobResult CommitPage(JobResult result, const PageJob &job)
{
    if (!result.Page)
        return result;
    const PageFile::CommitResult commit = result.Page->File.Commit();
    const int error = errno;
    result.Page.reset();
    switch (commit) {
    case PageFile::CommitResult::CloseFailed:
        return Failure(kWriteFailedText, job.PagePath, error);
    case PageFile::CommitResult::ReplaceFailed:
        return Failure(kCannotCreatePage, job.PagePath, error);
    case PageFile::CommitResult::Done:
        break;
    }
    return result;
}
