#pragma once

#include <string>
#include <sys/types.h>

// A page being written. The bytes go to a temporary file in the page's folder,
// which replaces the page only when it is complete, so that a failure leaves
// the old page (if any) as it was. An uncommitted temporary file is removed.
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
    std::string FPagePath;
    std::string FTempPath;
    int FFd = -1;
};
