#pragma once

#include "runcontrol.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

// A run control that makes the engine wait after each chunk of text, so that
// a small text takes long enough to watch and cancel a run in the middle.
// The wait per chunk comes from QM_THROTTLE_US (microseconds), 0 if unset.
class ThrottledRunControl : public RunControl
{
public:
    ThrottledRunControl()
    {
        if (const char *us = std::getenv("QM_THROTTLE_US"))
            FWait = std::chrono::microseconds(std::strtol(us, nullptr, 10));
    }
    bool TextRead(std::uint64_t offset) noexcept override
    {
        if (FWait.count() > 0 && !CancelRequested())
            std::this_thread::sleep_for(FWait);
        return RunControl::TextRead(offset);
    }

    static std::unique_ptr<RunControl> Make() { return std::make_unique<ThrottledRunControl>(); }

private:
    std::chrono::microseconds FWait{0};
};
