#pragma once

#include "enginetexts.h"

class RunControl;

#include "conversionoptions.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>

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
};

// What holds for every job of a run.
struct JobRules
{
    ConversionOptions Options;
    // An existing page is left as it is.
    bool NoClobber = false;
    // The files the run reads as texts: no page replaces one of them.
    std::set<std::pair<dev_t, ino_t>> Texts;
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
};

// Converts one text to its page. The page is written in full first; then
// `waitTurn` is called, right before the page takes its place (for standard
// output: before anything is written), and returns false if the run has
// stopped meanwhile, which leaves no page (Outcome Stopped).
JobResult RunPageJob(const PageJob &job, const JobRules &rules, JobBuffers &buffers,
                     const std::function<bool()> &waitTurn);
