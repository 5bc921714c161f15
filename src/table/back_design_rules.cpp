#include "table/back_design_rules.h"

namespace quillan {

int32 backDesignShown(int32 stored, int32 gameDefault) {
    return stored >= kFirstBackDesign && stored <= kLastBackDesign ? stored : gameDefault;
}

} // namespace quillan
