#pragma once

#include "commandline.h"
#include "pagejob.h"

#include <optional>
#include <string>
#include <vector>

// One item of a run: a job, or a failure found while the list was made (a
// folder that cannot be read), reported in its place in the list.
struct RunItem
{
    PageJob Job;
    std::optional<JobResult> Failed;
};

// The items of a run, in order: the FILE arguments, then the names in the
// --files-from list; with -r, a folder stands for every .txt file under it
// (sorted by name, folder by folder; symbolic links to folders are not
// followed). Each page goes beside its text, or with -o under the output
// folder: a file by its name, a file found under a folder argument by its
// path below that folder.
class TextCollector
{
public:
    explicit TextCollector(const CommandLine &line) : FLine(line) {}

    // False with Problem() set if the list cannot be made: the --files-from
    // list cannot be read, or two texts would have one page.
    bool Collect();
    const std::vector<RunItem> &Items() const { return FItems; }
    // The whole message line, ready to print.
    const std::string &Problem() const { return FProblem; }

private:
    bool ReadFilesFrom(std::vector<std::string> &names);
    void AddArgument(const std::string &path);
    void AddFolder(const std::string &root, const std::string &folder);
    void AddText(const std::string &text, const std::string &pageName);
    bool PagesAreDistinct();

    const CommandLine &FLine;
    std::vector<RunItem> FItems;
    std::string FProblem;
};

// "txt2htm: PATH: MESSAGE (REASON)", the reason left out when there is none.
std::string FailureLine(const std::string &path, const std::string &message, int error);
