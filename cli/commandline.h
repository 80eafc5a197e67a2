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
    std::vector<std::string> Files;
    bool Verbose = false;
    bool Progress = false; // the progress line even when standard error is no terminal
    std::string Error;     // the one-line reason of a usage error
};

CommandLine ParseCommandLine(int argc, const char *const argv[]);
std::string UsageText();
