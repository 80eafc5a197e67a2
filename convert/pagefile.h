#pragma once

#include "fileid.h"

#include <string>
#include <sys/stat.h>

class PageFolder;

// A page being written: the one place that creates, fills and commits a page.
//
// Everything happens relative to a descriptor of the page's folder
// (PageFolder). The bytes go to an unnamed
// file in the folder, which gets a name only when it is complete: a new page
// by one link, an existing one by a link to a temporary name at once renamed
// over it. A failure or a kill at any moment therefore leaves the old page (if
// any) or the new one, and nothing else. Where the file system has no unnamed
// files, the file has a hidden temporary name from the start, removed on
// failure and on SIGINT, SIGTERM or SIGHUP (a SIGKILL leaves it there).
//
// A replaced regular page keeps its permission bits, and its owner and group
// where the process may set them; no page carries the set-user-ID,
// set-group-ID or sticky bits. A page that is new or replaces anything but a
// regular file (a symbolic link) gets the mode of any new file, 0666 less the
// umask: nothing is taken from a link's target.
class PageFile
{
public:
    PageFile() = default;
    ~PageFile();

    PageFile(const PageFile &) = delete;
    PageFile &operator=(const PageFile &) = delete;

    // What the page's name holds when the folder is opened.
    enum class Entry { None, RegularFile, SymbolicLink, Other };

    // Looks at the page's `name` in `folder`, which stays open as long as
    // the page file; false if the name cannot be looked at.
    bool Open(const PageFolder &folder, const std::string &name);
    Entry Existing() const { return FEntry; }
    // The existing entry itself (not a link's target).
    const struct stat &ExistingStatus() const { return FEntryStatus; }
    // The file that the page's name leads to, links followed; zero if none.
    FileId Target() const { return FTarget; }
    // True if the process could open the existing file for writing.
    bool MayWriteExisting() const;
    FileId FolderId() const { return FFolderId; }
    const std::string &Name() const { return FName; }

    // Creates the file that will become the page.
    bool Create();
    int Fd() const { return FFd; }

    enum class CommitResult { Done, CloseFailed, ReplaceFailed };
    // Closes the complete file and puts it in the page's place.
    CommitResult Commit();
    void Discard();

    // Makes every page start with a temporary name, as on a file system
    // without unnamed files (for tests of that way).
    static void SetUnnamedFilesAllowed(bool allowed);
    // Makes every unnamed file be linked through its /proc path, as in a
    // process without the right to link a descriptor (for tests of that way).
    static void SetLinkByDescriptorAllowed(bool allowed);

private:
    bool CreateUnnamed();
    bool CreateNamed();
    bool TakeOwnerAndMode();
    CommitResult CommitUnnamed();
    CommitResult ReplaceUnnamed();
    CommitResult CommitNamed();
    bool LinkAs(int fd, const std::string &name);
    bool RenameOverPage();

    int FFolderFd = -1;
    FileId FFolderId;
    bool FFolderSetsGroup = false; // new files get the folder's group
    std::string FName;
    Entry FEntry = Entry::None;
    struct stat FEntryStatus = {};
    FileId FTarget;

    int FFd = -1;
    bool FUnnamed = false;
    std::string FTempName; // the file's temporary name in the folder, if any
};
