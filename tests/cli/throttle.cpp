// txt2htm with a slowed engine, for the tests that cancel it in the middle of
// a text: QM_THROTTLE_US sets the wait after each chunk.
#include "progressline.h"
#include "throttledruncontrol.h"

namespace {

const bool gInstalled = [] {
    RunControlFactory() = &ThrottledRunControl::Make;
    return true;
}();

} // namespace
