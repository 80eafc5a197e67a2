#include "pagefile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Mode 0666 lets the umask decide, as for any new file.
constexpr mode_t kNewFileMode = 0666;

// The temporary file's name: hidden, recognisably the page's, unique.
std::string TempPathFor(const std::string &pagePath, unsigned tag)
{
    const std::size_t slash = pagePath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    // Keep the name well below the file system's limit of 255 bytes.
    const std::string name = pagePath.substr(nameStart, 200);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", tag);
    return pagePath.substr(0, nameStart) + "." + name + suffix + ".tmp";
}

// A random tag for each temporary name, so that names seldom clash.
unsigned NewTag()
{
    static std::minstd_rand tags(std::random_device{}());
    return static_cast<unsigned>(tags());
}

// Calls `create` with fresh temporary names beside the page until one is not
// taken; returns the name that `create` took, or an empty string.
template <typename Create> std::string TakeTempName(const std::string &pagePath, Create create)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tempPath = TempPathFor(pagePath, NewTag());
        if (create(tempPath))
            return tempPath;
        if (errno != EEXIST)
            break;
    }
    return {};
}

std::string FolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// An unnamed file is linked through its entry in /proc, which needs no
// privilege.
std::string ProcPathOf(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

bool CanLinkUnnamedFiles()
{
    static const bool procMounted = ::access("/proc/self/fd", F_OK) == 0;
    return procMounted;
}

} // namespace

PageFile::~PageFile()
{
    Discard();
}

bool PageFile::Create(const std::string &pagePath, const struct stat *existingPage)
{
    Discard();
    FPagePath = pagePath;
    // An existing page is replaced by a rename, which needs a named file.
    const bool created = (!existingPage && CreateUnnamed(pagePath)) || CreateNamed(pagePath);
    if (created && existingPage && ::fchmod(FFd, existingPage->st_mode & 07777) != 0) {
        Discard();
        return false;
    }
    return created;
}

bool PageFile::CreateUnnamed(const std::string &pagePath)
{
    if (!CanLinkUnnamedFiles())
        return false;
    // Fails on file systems without unnamed files; the named way is tried then.
    FFd = ::open(FolderOf(pagePath).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
    return FFd >= 0;
}

bool PageFile::CreateNamed(const std::string &pagePath)
{
    FTempPath = TakeTempName(pagePath, [this](const std::string &tempPath) {
        FFd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        return FFd >= 0;
    });
    return !FTempPath.empty();
}

// Gives the unnamed file the page's name, or, if a page has appeared there
// meanwhile, a temporary name to be renamed over it.
bool PageFile::LinkUnnamed()
{
    const std::string source = ProcPathOf(FFd);
    const auto linkAs = [&source](const std::string &path) {
        return ::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
    };
    if (linkAs(FPagePath))
        return true;
    if (errno != EEXIST)
        return false;
    FTempPath = TakeTempName(FPagePath, linkAs);
    return !FTempPath.empty();
}

PageFile::CommitResult PageFile::Commit()
{
    const bool unnamed = FTempPath.empty();
    if (unnamed && !LinkUnnamed()) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    const bool linkedAsPage = unnamed && FTempPath.empty();
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0) {
        // A page that is already in place came from this run: take it away.
        if (linkedAsPage)
            ::unlink(FPagePath.c_str());
        Discard();
        return CommitResult::CloseFailed;
    }
    if (linkedAsPage)
        return CommitResult::Done;
    if (::rename(FTempPath.c_str(), FPagePath.c_str()) != 0) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    FTempPath.clear();
    return CommitResult::Done;
}

void PageFile::Discard()
{
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
    if (!FTempPath.empty()) {
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
    }
}
