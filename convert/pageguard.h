#pragma once

#include <map>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>

class ItemList;

// Identifies a file whatever the path that names it.
struct FileId
{
    dev_t Dev = 0;
    ino_t Ino = 0;
    auto operator<=>(const FileId &) const = default;
};

// Decides, within one batch run, whether a text's page may be written at its
// path. A page never replaces the text being read, nor a file that the list
// names as a text, nor a page that another text got earlier in the run; it is
// never written over a read-only file or anything but a regular file.
class PageGuard
{
public:
    // Takes note of every item of the list as it is at the start of the run.
    explicit PageGuard(const ItemList &items);

    // Takes note of an item read during the run (the list may have changed).
    void NoteItem(const std::string &path);

    // True if the page of `text` may be written at `pagePath`. `existingPage`
    // receives whether a file is there and, if so, its status.
    bool MayWrite(FileId text, const std::string &pagePath, bool &pageExists,
                  struct stat &existingPage);

    // The page of `text` has been written at `pagePath`.
    void Written(FileId text, const std::string &pagePath);

private:
    // A path's place: its folder's identity and its name in it. Names the same
    // place whether or not a file is there yet.
    using Location = std::pair<FileId, std::string>;
    Location LocationOf(const std::string &path);
    // The files the items name, looked up when a page is first found to exist
    // (a fresh batch, whose pages are all new, needs none of them).
    const std::set<FileId> &ItemFiles();

    std::set<std::string> FSeenItems;
    bool FItemFilesKnown = false;
    std::set<FileId> FItemFiles;
    std::set<Location> FItemLocations;
    std::map<Location, FileId> FWrittenPages;
    std::map<std::string, FileId> FFolders;
};
