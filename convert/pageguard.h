#pragma once

#include "fileid.h"

#include <map>
#include <set>
#include <string>
#include <utility>

#include <functional>

class ItemList;
class PageFile;

// What the page's name holds when `page` was opened may go: it is not a text
// (`isText`, whether named directly or through a link), and the process could
// write it itself. A symbolic link is replaced, its target left alone.
bool MayReplaceExisting(const PageFile &page, const std::function<bool(FileId)> &isText);

// Decides, within one batch run, whether a text's page may be written where
// its page file was opened. A page never replaces the text being read, nor a
// file that the list names as a text, nor a page that another text got
// earlier in the run, also through links; it is never written over a
// read-only file, a file the process may not write, or anything but a regular
// file or a symbolic link (which is replaced, its target left alone).
class PageGuard
{
public:
    // Takes note of every item of the list as it is at the start of the run.
    explicit PageGuard(const ItemList &items);

    // Takes note of an item read during the run (the list may have changed).
    void NoteItem(const std::string &path);

    // True if the page of `text` may be written as `page`, which is open.
    bool MayWrite(FileId text, const PageFile &page);

    // The page of `text` has been written as `page`.
    void Written(FileId text, const PageFile &page);

private:
    // A path's place: its folder's identity and its name in it. Names the same
    // place whether or not a file is there yet.
    using Location = std::pair<FileId, std::string>;
    Location LocationOf(const std::string &path);
    static Location LocationOf(const PageFile &page);
    bool MayReplace(FileId text, const PageFile &page);
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
