#include "common/program_error.h"

namespace quillan {

void raiseOverflow() {
    throw ProgramError(kOverflow);
}

void raiseSubscriptOutOfRange() {
    throw ProgramError(kSubscriptOutOfRange);
}

} // namespace quillan
