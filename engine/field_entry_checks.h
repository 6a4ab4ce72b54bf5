#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "units.h"

namespace capillary {

// The input fields of the main window that are checked while the user types.
enum class EntryField { Txtcapacity, Txtet, Txtct, Txtsc, Cmbdpd, Txtcircuit };

// The input text boxes accept at most this many typed characters.
inline constexpr int kEntryTextLimit = 6;

// The range a field's value may take while typing, per unit system; the limits themselves
// stay. None for the fields without limits.
struct TypingLimits {
    double lowest;
    double highest;
};

std::optional<TypingLimits> typingLimits(EntryField field, UnitSystem unit);

// Only the evaporating temperature can begin with a minus sign: typed first anywhere else, it
// empties the field at once.
constexpr bool takesMinusSign(EntryField field) { return field == EntryField::Txtet; }

// What a key release in a field leaves behind: the field's new text and whether its background
// goes back to white.
struct KeyReleaseOutcome {
    std::string text;
    bool whiten = false;

    bool operator==(const KeyReleaseOutcome&) const = default;
};

// The silent check made when a key is released in `field`: an impossible text (not a number,
// or beyond the field's upper limit in `unit`) is emptied, never trimmed. Lower limits are
// left to the Calculate command.
KeyReleaseOutcome checkAfterKeyRelease(EntryField field, std::string_view text, UnitSystem unit);

}  // namespace capillary
