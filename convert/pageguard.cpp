#include "pageguard.h"

#include "itemlist.h"
#include "pagefile.h"
#include "pathparts.h"

#include <sys/stat.h>

namespace {

FileId IdOf(const struct stat &st)
{
    return {st.st_dev, st.st_ino};
}

// No write permission bit set: read-only for everyone, root included, as a
// read-only attribute would be.
bool IsReadOnly(const struct stat &st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

PageGuard::PageGuard(const ItemList &items)
{
    const int count = items.Count();
    for (int i = 0; i < count; ++i)
        NoteItem(items.Item(i));
}

void PageGuard::NoteItem(const std::string &path)
{
    if (!FSeenItems.insert(path).second)
        return;
    FItemLocations.insert(LocationOf(path));
    struct stat st;
    if (FItemFilesKnown && ::stat(path.c_str(), &st) == 0)
        FItemFiles.insert(IdOf(st));
}

const std::set<FileId> &PageGuard::ItemFiles()
{
    if (!FItemFilesKnown) {
        FItemFilesKnown = true;
        struct stat st;
        for (const std::string &path : FSeenItems)
            if (::stat(path.c_str(), &st) == 0)
                FItemFiles.insert(IdOf(st));
    }
    return FItemFiles;
}

bool PageGuard::MayWrite(FileId text, const PageFile &page)
{
    if (page.Existing() != PageFile::Entry::None && !MayReplace(text, page))
        return false;
    const Location place = LocationOf(page);
    if (FItemLocations.count(place) != 0)
        return false;
    const auto written = FWrittenPages.find(place);
    return written == FWrittenPages.end() || written->second == text;
}

bool PageGuard::MayReplace(FileId text, const PageFile &page)
{
    return MayReplaceExisting(
        page, [&](FileId file) { return file == text || ItemFiles().count(file) != 0; });
}

bool MayReplaceExisting(const PageFile &page, const std::function<bool(FileId)> &isText)
{
    const FileId target = page.Target();
    if (target != FileId{} && isText(target))
        return false;
    switch (page.Existing()) {
    case PageFile::Entry::RegularFile:
        return !IsReadOnly(page.ExistingStatus()) && page.MayWriteExisting();
    case PageFile::Entry::SymbolicLink:
        return true;
    case PageFile::Entry::None:
    case PageFile::Entry::Other:
        break;
    }
    return false;
}

void PageGuard::Written(FileId text, const PageFile &page)
{
    FWrittenPages[LocationOf(page)] = text;
}

PageGuard::Location PageGuard::LocationOf(const PageFile &page)
{
    return {page.FolderId(), page.Name()};
}

PageGuard::Location PageGuard::LocationOf(const std::string &path)
{
    PathParts parts = SplitPath(path);
    auto known = FFolders.find(parts.Folder);
    if (known == FFolders.end()) {
        struct stat st;
        // A folder that is not there keeps the zero id: the path itself then
        // tells places apart.
        FileId id;
        if (::stat(parts.Folder.c_str(), &st) == 0)
            id = IdOf(st);
        known = FFolders.emplace(std::move(parts.Folder), id).first;
    }
    if (known->second == FileId{})
        return {FileId{}, path};
    return {known->second, std::move(parts.Name)};
}
