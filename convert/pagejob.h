#pragma once

#include "conversionoptions.h"
#include "enginetexts.h"
#include "fileid.h"

#include <functional>
#include <memory>
#include <string>

class PageFolder;
class PendingPage;
class RunControl;

// One text of a command-line run and where its page goes. "-" as the text
// is standard input, whose page goes to standard output.
struct PageJob
{
    std::string TextPath;
    std::string PagePath;
    // The page's folder is made (with the folders above it) when missing.
    bool CreateFolders = false;
};

// How one job ended.
struct JobResult
{
    enum class Outcome { Written, Kept, Failed, Stopped };
    Outcome Outcome = Outcome::Written;
    const char *Message = nullptr; // the system's text for a failure
    std::string Path;              // the file it concerns
    int Error = 0;                 // the operating system's reason, 0 if none
    // A page written in full that CommitPage() puts in its place; none for
    // standard output, which is written in its place.
    std::shared_ptr<PendingPage> Page;
};

// What holds for every job of a run.
struct JobRules
{
    ConversionOptions Options;
    // An existing page is left as it is.
    bool NoClobber = false;
    // Whether a file is one the run reads as a text: no page replaces one.
    // Asked only when a page's name is taken already.
    std::function<bool(FileId)> IsText;
    // Takes the run's progress and its cancel request; none if null.
    RunControl *Control = nullptr;
};

// The buffers of one worker, used by its jobs in turn.
struct JobBuffers
{
    JobBuffers();
    ~JobBuffers();
    std::unique_ptr<char[]> Read;
    std::unique_ptr<char[]> Write;
    // The folder of the worker's last page, kept open for the next one there.
    std::shared_ptr<PageFolder> Folder;
};

// Converts one text to its page, written in full but not yet in its place
// (Outcome Written with Page set): a run puts the pages in place in list
// order. A page for standard output is written at the item's turn instead:
// `waitTurn` is called before anything is written and returns false if the
// run has stopped meanwhile (Outcome Stopped).
JobResult RunPageJob(const PageJob &job, const JobRules &rules, JobBuffers &buffers,
                     const std::function<bool()> &waitTurn);

// Puts the written page of `result` in its place; the result of the whole
// job. Dropping a result instead discards its page: nothing is left of it.
JobResult CommitPage(JobResult result, const PageJob &job);
