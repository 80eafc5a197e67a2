#pragma once

#include <unistd.h>

// Closes a file descriptor when it goes out of scope. The standard streams
// (0 to 2) are never closed: standard input may stand in for a text.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : FFd(fd) {}
    ~Descriptor()
    {
        if (FFd > 2)
            ::close(FFd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int Get() const { return FFd; }

private:
    int FFd;
};
