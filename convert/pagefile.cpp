#include "pagefile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

PageFile::~PageFile()
{
    Discard();
}

bool PageFile::Create(const std::string &pagePath, const struct stat *existingPage)
{
    Discard();
    static std::minstd_rand tags(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string tempPath = TempPathFor(pagePath, static_cast<unsigned>(tags()));
        // Mode 0666 lets the umask decide, as for any new file.
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return false;
        FFd = fd;
        FTempPath = tempPath;
        FPagePath = pagePath;
        if (existingPage && ::fchmod(fd, existingPage->st_mode & 07777) != 0) {
            Discard();
            return false;
        }
        return true;
    }
    return false;
}

PageFile::CommitResult PageFile::Commit()
{
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0) {
        Discard();
        return CommitResult::CloseFailed;
    }
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
