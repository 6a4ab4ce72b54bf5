#pragma once

#include <array>
#include <string_view>

#include "units.h"

namespace capillary {

// The unit-dependent captions, tooltips and pressure-drop list of the main window.
struct UnitLabels {
    std::string_view Lbl2, Lbl3, Lbl4, Lbl5, Lbl6, Lbl7;  // input captions
    std::string_view Lbl15, Lbl17, Lbl19, Label2;         // result units
    std::string_view capacityTip, evaporatingTip, condensingTip, superheatTip, subcoolingTip;
    std::array<std::string_view, 15> pressureDropList;
    int pressureDropDecimals;  // the rounding of a pressure drop converted into this system
};

const UnitLabels& unitLabels(UnitSystem unit);

}  // namespace capillary
