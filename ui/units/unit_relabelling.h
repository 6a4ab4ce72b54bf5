#pragma once

#include "ui/common/Frmmain_controls.h"
#include "ui/common/session.h"

namespace capillary {

// Convert the typed capacity, temperatures, superheat and subcooling of the main window into
// the other unit system, each rounded to a whole number; a field without a number is skipped.
void unit0(const FrmmainControls& controls);  // Metric to English
void unit1(const FrmmainControls& controls);  // English to Metric

// Relabel the main window for a unit system: input captions, result units, the maximum
// pressure drop (converted through session.pdhistory), its list and the range tooltips.
// Opening a project file uses these as well.
void unit01(const FrmmainControls& controls, Session& session);  // English
void unit11(const FrmmainControls& controls, Session& session);  // Metric

}  // namespace capillary
