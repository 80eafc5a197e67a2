#pragma once

#include <string>

// A path cut at its last "/": the folder that holds the file and the file's
// name in it. A path without "/" names a file of the current folder ("."),
// and a file right under the root has the folder "/".
struct PathParts
{
    std::string Folder;
    std::string Name;
};

PathParts SplitPath(const std::string &path);
