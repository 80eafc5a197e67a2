#pragma once

#include <string>

// A temporary file name to remove if SIGINT, SIGTERM or SIGHUP ends the
// process while the name exists: where a page cannot be written to an unnamed
// file, an interrupted run leaves nothing behind. SIGKILL cannot be caught, so
// a killed run leaves the name. One name at a time for the whole process; a
// signal handled elsewhere (or ignored) is handled as before once the name is
// removed.
class PendingName
{
public:
    // From now until Clear(), the signals first remove `name` in the folder
    // open as `folderFd`.
    static void Set(int folderFd, const std::string &name);
    static void Clear();
};
