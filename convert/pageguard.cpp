#include "pageguard.h"

#include "itemlist.h"

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

bool PageGuard::MayWrite(FileId text, const std::string &pagePath, bool &pageExists,
                         struct stat &existingPage)
{
    pageExists = ::stat(pagePath.c_str(), &existingPage) == 0;
    if (pageExists) {
        const FileId page = IdOf(existingPage);
        if (page == text || ItemFiles().count(page) != 0)
            return false;
        if (!S_ISREG(existingPage.st_mode) || IsReadOnly(existingPage))
            return false;
    }
    const Location place = LocationOf(pagePath);
    if (FItemLocations.count(place) != 0)
        return false;
    const auto written = FWrittenPages.find(place);
    return written == FWrittenPages.end() || written->second == text;
}

void PageGuard::Written(FileId text, const std::string &pagePath)
{
    FWrittenPages[LocationOf(pagePath)] = text;
}

PageGuard::Location PageGuard::LocationOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    auto known = FFolders.find(folder);
    if (known == FFolders.end()) {
        struct stat st;
        // A folder that is not there keeps the zero id: the path itself then
        // tells places apart.
        FileId id;
        if (::stat(folder.c_str(), &st) == 0)
            id = IdOf(st);
        known = FFolders.emplace(folder, id).first;
    }
    if (known->second == FileId{})
        return {FileId{}, path};
    return {known->second, name};
}
