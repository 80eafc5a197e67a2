#include "pendingname.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// The handler may only touch plain data: the name is kept in a fixed buffer.
int gFolderFd = -1;
char gName[256];
volatile std::sig_atomic_t gSet = 0;
struct sigaction gPrevious[kSignalCount];
bool gInstalled[kSignalCount];

void RemoveName(int signal)
{
    if (gSet) {
        ::unlinkat(gFolderFd, gName, 0);
        gSet = 0;
    }
    // The signal stays blocked until the handler returns, so raising it again
    // hands it on to the handling it had before.
    for (int i = 0; i < kSignalCount; ++i) {
        if (kSignals[i] == signal && gInstalled[i]) {
            ::sigaction(signal, &gPrevious[i], nullptr);
            gInstalled[i] = false;
        }
    }
    ::raise(signal);
}

sigset_t Signals()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}

} // namespace

void PendingName::Set(int folderFd, const std::string &name)
{
    const sigset_t signals = Signals();
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &signals, &before);
    gFolderFd = folderFd;
    const std::size_t length = std::min(name.size(), sizeof gName - 1);
    std::memcpy(gName, name.data(), length);
    gName[length] = '\0';
    gSet = 1;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = RemoveName;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i) {
        if (gInstalled[i])
            continue;
        // A signal that is ignored ends nothing: leave it so.
        struct sigaction current;
        if (::sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        gPrevious[i] = current;
        gInstalled[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

void PendingName::Clear()
{
    const sigset_t signals = Signals();
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &signals, &before);
    gSet = 0;
    for (int i = 0; i < kSignalCount; ++i) {
        if (gInstalled[i]) {
            ::sigaction(kSignals[i], &gPrevious[i], nullptr);
            gInstalled[i] = false;
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
}
