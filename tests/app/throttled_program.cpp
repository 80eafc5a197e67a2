// The program with a slowed engine, for the end-to-end test of a long run on
// a small text: QM_THROTTLE_US sets the wait after each chunk of text.
#include "convertrun.h"
#include "throttledruncontrol.h"

namespace {

const bool gInstalled = [] {
    TConvertRun::ControlFactory() = &ThrottledRunControl::Make;
    return true;
}();

} // namespace
