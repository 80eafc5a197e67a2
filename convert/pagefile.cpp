#include "pagefile.h"

#include "pagefolder.h"
#include "pendingname.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

// Mode 0666 lets the umask decide, as for any new file.
constexpr mode_t kNewFileMode = 0666;
// The file that replaces a regular page stays private until it takes that
// page's mode: a page only its owner may read is never readable by others.
constexpr mode_t kPrivateMode = 0600;
// No set-user-ID, set-group-ID or sticky bit.
constexpr mode_t kPermissionBits = 0777;

bool gUnnamedFilesAllowed = true;
// Whether a file may be linked by its descriptor alone; off once the process
// turns out not to have the right.
std::atomic<bool> gLinkByDescriptor{true};

FileId IdOf(const struct stat &st)
{
    return {st.st_dev, st.st_ino};
}

// The temporary file's name: hidden, recognisably the page's, unique.
std::string TempNameFor(const std::string &pageName, unsigned tag)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", tag);
    // Keep the name well below the file system's limit of 255 bytes.
    return "." + pageName.substr(0, 200) + suffix + ".tmp";
}

// A random tag for each temporary name, so that names seldom clash.
unsigned NewTag()
{
    static std::minstd_rand tags(std::random_device{}());
    return static_cast<unsigned>(tags());
}

// Calls `create` with fresh temporary names until one is not taken; returns
// the name that `create` took, or an empty string.
template <typename Create> std::string TakeTempName(const std::string &pageName, Create create)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tempName = TempNameFor(pageName, NewTag());
        if (create(tempName))
            return tempName;
        if (errno != EEXIST)
            break;
    }
    return {};
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

// Holds back the signals that end a process while a page's file gets its
// name, so that an interrupted run ends with the old page or the new one,
// never with a temporary name beside them.
class SignalsHeld
{
public:
    SignalsHeld()
    {
        sigset_t signals;
        sigemptyset(&signals);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            sigaddset(&signals, signal);
        ::pthread_sigmask(SIG_BLOCK, &signals, &FBefore);
    }
    ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &FBefore, nullptr); }
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;

private:
    sigset_t FBefore;
};

} // namespace

PageFile::~PageFile()
{
    Discard();
}

void PageFile::SetUnnamedFilesAllowed(bool allowed)
{
    gUnnamedFilesAllowed = allowed;
}

void PageFile::SetLinkByDescriptorAllowed(bool allowed)
{
    gLinkByDescriptor = allowed;
}

bool PageFile::Open(const PageFolder &folder, const std::string &name)
{
    Discard();
    FFolderFd = folder.Fd();
    FFolderId = folder.Id();
    FFolderSetsGroup = folder.SetsGroup();
    FName = name;
    FEntry = Entry::None;
    FEntryStatus = {};
    FTarget = {};
    if (::fstatat(FFolderFd, FName.c_str(), &FEntryStatus, AT_SYMLINK_NOFOLLOW) != 0) {
        FEntryStatus = {};
        return errno == ENOENT;
    }
    FTarget = IdOf(FEntryStatus);
    if (S_ISREG(FEntryStatus.st_mode)) {
        FEntry = Entry::RegularFile;
    } else if (S_ISLNK(FEntryStatus.st_mode)) {
        FEntry = Entry::SymbolicLink;
        struct stat target;
        FTarget = ::fstatat(FFolderFd, FName.c_str(), &target, 0) == 0 ? IdOf(target) : FileId{};
    } else {
        FEntry = Entry::Other;
    }
    return true;
}

bool PageFile::MayWriteExisting() const
{
    return ::faccessat(FFolderFd, FName.c_str(), W_OK, AT_EACCESS) == 0;
}

bool PageFile::Create()
{
    Discard();
    if (FFolderFd < 0)
        return false;
    if (gUnnamedFilesAllowed && CanLinkUnnamedFiles() && CreateUnnamed())
        return true;
    return CreateNamed();
}

bool PageFile::CreateUnnamed()
{
    const mode_t mode = FEntry == Entry::RegularFile ? kPrivateMode : kNewFileMode;
    // Fails on file systems without unnamed files; the named way is tried then.
    FFd = ::openat(FFolderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    FUnnamed = FFd >= 0;
    return FUnnamed;
}

bool PageFile::CreateNamed()
{
    const mode_t mode = FEntry == Entry::RegularFile ? kPrivateMode : kNewFileMode;
    SignalsHeld held;
    FTempName = TakeTempName(FName, [this, mode](const std::string &name) {
        FFd = ::openat(FFolderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        return FFd >= 0;
    });
    if (FTempName.empty())
        return false;
    PendingName::Set(FFolderFd, FTempName);
    return true;
}

// The owner and group where the process may set them (root may; others may
// at most keep a group they belong to), then the permission bits.
bool PageFile::TakeOwnerAndMode()
{
    const struct stat &old = FEntryStatus;
    // A file made by this process in a folder without the set-group-ID bit
    // has the process's owner and group already.
    static const uid_t user = ::geteuid();
    static const gid_t group = ::getegid();
    const bool ownedAlready = old.st_uid == user && old.st_gid == group && !FFolderSetsGroup;
    if (!ownedAlready && ::fchown(FFd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(FFd, static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(FFd, old.st_mode & kPermissionBits) == 0;
}

PageFile::CommitResult PageFile::Commit()
{
    if (FFd < 0)
        return CommitResult::ReplaceFailed;
    if (FEntry == Entry::RegularFile && !TakeOwnerAndMode()) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    return FUnnamed ? CommitUnnamed() : CommitNamed();
}

// A descriptor is linked by itself where the process may (CAP_DAC_READ_SEARCH,
// which root has): several threads linking through /proc paths at once wait
// for each other. Without that right the call fails with ENOENT, and the
// /proc path is used from then on.
bool PageFile::LinkAs(int fd, const std::string &name)
{
    if (gLinkByDescriptor.load(std::memory_order_relaxed)) {
        if (::linkat(fd, "", FFolderFd, name.c_str(), AT_EMPTY_PATH) == 0)
            return true;
        if (errno != ENOENT && errno != EPERM)
            return false;
    }
    const std::string source = ProcPathOf(fd);
    if (::linkat(AT_FDCWD, source.c_str(), FFolderFd, name.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    gLinkByDescriptor.store(false, std::memory_order_relaxed);
    return true;
}

bool PageFile::RenameOverPage()
{
    return ::renameat(FFolderFd, FTempName.c_str(), FFolderFd, FName.c_str()) == 0;
}

// A new page is linked in as it is; one that appeared since Open() is not
// replaced unchecked.
PageFile::CommitResult PageFile::CommitUnnamed()
{
    if (FEntry != Entry::None)
        return ReplaceUnnamed();
    // One call: no moment between, and no signal to hold back.
    if (!LinkAs(FFd, FName)) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    const int fd = FFd;
    FFd = -1;
    FUnnamed = false;
    if (::close(fd) != 0) {
        // The page in place came from this run: take it away.
        ::unlinkat(FFolderFd, FName.c_str(), 0);
        return CommitResult::CloseFailed;
    }
    return CommitResult::Done;
}

// An existing page is replaced by a rename, which needs a name to rename
// from. The file is closed first (a failed close keeps the old page), kept
// alive by a path-only descriptor; then it gets a temporary name and at once
// the page's. Only a SIGKILL between those two calls can leave the temporary
// name.
PageFile::CommitResult PageFile::ReplaceUnnamed()
{
    const int file = ::open(ProcPathOf(FFd).c_str(), O_PATH | O_CLOEXEC);
    if (file < 0) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0) {
        ::close(file);
        Discard();
        return CommitResult::CloseFailed;
    }
    SignalsHeld held;
    FTempName =
        TakeTempName(FName, [this, file](const std::string &name) { return LinkAs(file, name); });
    const bool renamed = !FTempName.empty() && RenameOverPage();
    ::close(file);
    if (!renamed) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    FTempName.clear();
    FUnnamed = false;
    return CommitResult::Done;
}

PageFile::CommitResult PageFile::CommitNamed()
{
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0) {
        Discard();
        return CommitResult::CloseFailed;
    }
    bool renamed = false;
    if (FEntry == Entry::None) {
        renamed = ::renameat2(FFolderFd, FTempName.c_str(), FFolderFd, FName.c_str(),
                              RENAME_NOREPLACE) == 0;
        // Some file systems cannot keep a rename from replacing.
        if (!renamed && errno == EINVAL)
            renamed = RenameOverPage();
    } else {
        renamed = RenameOverPage();
    }
    if (!renamed) {
        Discard();
        return CommitResult::ReplaceFailed;
    }
    PendingName::Clear();
    FTempName.clear();
    return CommitResult::Done;
}

void PageFile::Discard()
{
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
    if (!FTempName.empty()) {
        ::unlinkat(FFolderFd, FTempName.c_str(), 0);
        if (!FUnnamed)
            PendingName::Clear();
        FTempName.clear();
    }
    FUnnamed = false;
}
