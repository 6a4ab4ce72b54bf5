#pragma once

#include "engine/units.h"

namespace capillary {

// What the program remembers for the whole run, outside any one window: the unit system in
// effect and what the units dialog needs to compare and carry across a switch.
struct Session {
    UnitSystem unit = UnitSystem::English;     // the system the user types and reads in
    UnitSystem history = UnitSystem::English;  // the system the main window is labelled in
    double pdhistory = 0.0;                    // the last converted maximum pressure drop
};

}  // namespace capillary
