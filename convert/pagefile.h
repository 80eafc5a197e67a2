#pragma once

#include <string>
#include <sys/types.h>

// A page being written. The bytes go to a temporary file in the page's folder,
// which takes the page's place only when it is complete, so that a failure
// leaves the old page (if any) as it was. An uncommitted temporary file is
// removed. Where the file system allows, a new page's temporary file has no
// name until it is linked as the page (one step cheaper than a rename, and a
// crash leaves nothing behind); otherwise it is a hidden file renamed over the
// page.
class PageFile
{
public:
    PageFile() = default;
    ~PageFile();

    PageFile(const PageFile &) = delete;
    PageFile &operator=(const PageFile &) = delete;

    // Creates the temporary file beside `pagePath`. An existing page's mode is
    // kept; a new page gets the usual mode for new files (0666 less the umask).
    bool Create(const std::string &pagePath, const struct stat *existingPage);
    int Fd() const { return FFd; }

    enum class CommitResult { Done, CloseFailed, ReplaceFailed };
    // Closes the temporary file and puts it in the page's place.
    CommitResult Commit();
    void Discard();

private:
    bool CreateUnnamed(const std::string &pagePath);
    bool CreateNamed(const std::string &pagePath);
    bool LinkUnnamed();

    std::string FPagePath;
    std::string FTempPath; // empty while the file has no name
    int FFd = -1;
};
