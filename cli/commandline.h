#pragma once

#include "conversionoptions.h"

#include <string>
#include <vector>

// What the command line asks for.
struct CommandLine
{
    enum class Action { Convert, Help, Version, UsageError };
    Action Action = Action::Convert;
    ConversionOptions Options;
    // The texts as given; "-" is standard input, its page standard output.
    std::vector<std::string> Files;
    bool Verbose = false;
    bool Recursive = false;
    bool KeepGoing = false;
    bool NoClobber = false;
    // Empty: pages beside their texts.
    std::string OutputDir;
    // A file naming more texts ("-": standard input), one a line or, with
    // NullSeparated, each ended by a NUL byte.
    std::string FilesFrom;
    bool NullSeparated = false;
    // Items converted at once; 0 stands for the number of processors.
    int Jobs = 1;
    std::string Error; // the one-line reason of a usage error
};

CommandLine ParseCommandLine(int argc, const char *const argv[]);
// The help, from the same table of options that the parser reads.
std::string UsageText();
