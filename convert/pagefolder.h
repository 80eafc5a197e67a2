#pragma once

#include "fileid.h"

#include <string>

// The folder that pages are written in, open as a descriptor so that every
// step of a page works relative to it: any page whose own path the system
// accepts can be written, and a folder renamed meanwhile cannot send a page
// elsewhere. A run keeps the folder open for consecutive pages in it.
class PageFolder
{
public:
    PageFolder() = default;
    ~PageFolder();

    PageFolder(const PageFolder &) = delete;
    PageFolder &operator=(const PageFolder &) = delete;

    // Opens the folder at `path`, unless it is the one open already; false if
    // it cannot be opened.
    bool Open(const std::string &path);
    int Fd() const { return FFd; }
    const std::string &Path() const { return FPath; }
    FileId Id() const { return FId; }
    // Whether new files get the folder's group (its set-group-ID bit).
    bool SetsGroup() const { return FSetsGroup; }

private:
    void Close();

    std::string FPath;
    int FFd = -1;
    FileId FId;
    bool FSetsGroup = false;
};
