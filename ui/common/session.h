#pragma once

#include <QString>

#include <optional>

#include "engine/units.h"

namespace capillary {

// What the program remembers for the whole run, outside any one window: the unit system in
// effect, what the units dialog needs to compare and carry across a switch, and the report
// heading last confirmed or opened.
struct Session {
    UnitSystem unit = UnitSystem::English;     // the system the user types and reads in
    UnitSystem history = UnitSystem::English;  // the system the main window is labelled in
    double pdhistory = 0.0;                    // the last converted maximum pressure drop

    // Unset until the report title dialog's OK or a project file gives them; a project file
    // keeps "never entered" apart from an empty text.
    std::optional<QString> customer;
    std::optional<QString> project;
    QString note;
};

}  // namespace capillary
