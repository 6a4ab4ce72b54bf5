#pragma once

#include "ui/common/Frmmain_controls.h"

namespace capillary {

// Empties the result fields and the line-size caption so that no stale result stays on
// display, and gives the velocity box its normal colours back.
void ClearOutputs(const FrmmainControls& controls);

}  // namespace capillary
