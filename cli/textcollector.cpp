#include "textcollector.h"

#include "pagefilename.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool HasTxtExtension(const std::string &name)
{
    if (name.size() <= 4 || name[name.size() - 4] != '.')
        return false;
    std::string ext = name.substr(name.size() - 3);
    for (char &c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == "txt";
}

std::string BaseName(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Joined(const std::string &folder, const std::string &name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The names in a folder, sorted byte by byte; false (errno set) if it cannot
// be read.
bool ListFolder(const std::string &folder, std::vector<std::string> &names)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    errno = error;
    return error == 0;
}

bool ReadAll(int fd, std::string &bytes)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(buffer, got);
    }
}

// Where two page paths that name one file meet: the absolute path with "."
// and ".." worked out.
std::string PlaceOf(const std::string &path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

} // namespace

std::string FailureLine(const std::string &path, const std::string &message, int error)
{
    std::string line = "txt2htm: " + path + ": " + message;
    if (error != 0)
        line += std::string(" (") + std::strerror(error) + ")";
    return line;
}

bool TextCollector::Collect()
{
    for (const std::string &file : FLine.Files)
        AddArgument(file);
    if (!FLine.FilesFrom.empty()) {
        std::vector<std::string> names;
        if (!ReadFilesFrom(names))
            return false;
        for (const std::string &name : names)
            AddArgument(name);
    }
    return PagesAreDistinct();
}

bool TextCollector::ReadFilesFrom(std::vector<std::string> &names)
{
    const bool standardInput = FLine.FilesFrom == "-";
    const int fd = standardInput ? 0 : ::open(FLine.FilesFrom.c_str(), O_RDONLY | O_CLOEXEC);
    std::string bytes;
    const bool read = fd >= 0 && ReadAll(fd, bytes);
    const int error = errno;
    if (fd > 0)
        ::close(fd);
    if (!read) {
        FProblem = FailureLine(FLine.FilesFrom, kCannotOpenText, error);
        return false;
    }
    const char separator = FLine.NullSeparated ? '\0' : '\n';
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = bytes.find(separator, at);
        if (end == std::string::npos)
            end = bytes.size();
        if (end > at)
            names.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return true;
}

void TextCollector::AddArgument(const std::string &path)
{
    struct stat st;
    if (FLine.Recursive && path != "-" && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        AddFolder(path, path);
    else
        AddText(path, BaseName(path));
}

// Every .txt file under `folder`, which lies under the argument `root`.
void TextCollector::AddFolder(const std::string &root, const std::string &folder)
{
    std::vector<std::string> names;
    if (!ListFolder(folder, names)) {
        FItems.push_back(
            {{folder, folder},
             JobResult{JobResult::Outcome::Failed, kCannotOpenText, folder, errno, {}}});
        return;
    }
    for (const std::string &name : names) {
        const std::string path = Joined(folder, name);
        struct stat link, target;
        if (::lstat(path.c_str(), &link) != 0)
            continue;
        if (S_ISDIR(link.st_mode)) {
            AddFolder(root, path);
        } else if (HasTxtExtension(name) && ::stat(path.c_str(), &target) == 0 &&
                   S_ISREG(target.st_mode)) {
            // Below the root, as the output folder mirrors it.
            AddText(path, path.substr(Joined(root, "").size()));
        }
    }
}

void TextCollector::AddText(const std::string &text, const std::string &pageName)
{
    PageJob job{text, text};
    if (text != "-") {
        job.PagePath = FLine.OutputDir.empty() ? PageFileName(text)
                                               : Joined(FLine.OutputDir, PageFileName(pageName));
        job.CreateFolders = !FLine.OutputDir.empty();
    }
    FItems.push_back({job, std::nullopt});
}

// Two texts must not share a page; the same text twice is converted twice.
bool TextCollector::PagesAreDistinct()
{
    std::map<std::string, std::string> textOfPlace;
    for (const RunItem &item : FItems) {
        if (item.Failed || item.Job.TextPath == "-")
            continue;
        const std::string text = PlaceOf(item.Job.TextPath);
        const auto [known, added] = textOfPlace.emplace(PlaceOf(item.Job.PagePath), text);
        if (!added && known->second != text) {
            FProblem = FailureLine(item.Job.PagePath, kCannotCreatePage, 0) +
                       " (the page of both " + known->second + " and " + text + ")";
            return false;
        }
    }
    return true;
}
