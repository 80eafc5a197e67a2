#pragma once

#include <compare>
#include <sys/types.h>

// Identifies a file whatever the path that names it.
struct FileId
{
    dev_t Dev = 0;
    ino_t Ino = 0;
    auto operator<=>(const FileId &) const = default;
};
