#include "pagefolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PageFolder::~PageFolder()
{
    Close();
}

bool PageFolder::Open(const std::string &path)
{
    if (FFd >= 0 && path == FPath)
        return true;
    Close();
    // O_PATH: a folder that may be written but not listed will do.
    FFd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat st;
    if (FFd < 0 || ::fstat(FFd, &st) != 0) {
        Close();
        return false;
    }
    FPath = path;
    FId = {st.st_dev, st.st_ino};
    FSetsGroup = (st.st_mode & S_ISGID) != 0;
    return true;
}

void PageFolder::Close()
{
    if (FFd >= 0)
        ::close(FFd);
    FFd = -1;
    FPath.clear();
}
