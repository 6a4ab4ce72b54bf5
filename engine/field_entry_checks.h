#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "input_fields.h"
#include "units.h"

namespace capillary {

// The input fields of the main window that are checked while the user types: all but the
// refrigerant list, which offers nothing to type, and the hidden superheat field.
constexpr bool checkedWhileTyping(InputField field) {
    return field != InputField::Cmbrt && field != InputField::Txtsh;
}

// The input text boxes accept at most this many typed characters.
inline constexpr int kEntryTextLimit = 6;

// The range a field's value may take while typing, per unit system; the limits themselves
// stay. None for the fields without limits.
struct TypingLimits {
    double lowest;
    double highest;
};

std::optional<TypingLimits> typingLimits(InputField field, UnitSystem unit);

// Only the evaporating temperature can begin with a minus sign: typed first anywhere else, it
// empties the field at once.
constexpr bool takesMinusSign(InputField field) { return field == InputField::Txtet; }

// What a key release in a field leaves behind: the field's new text and whether its background
// goes back to white.
struct KeyReleaseOutcome {
    std::string text;
    bool whiten = false;

    bool operator==(const KeyReleaseOutcome&) const = default;
};

// The silent check made when a key is released in `field` (one checked while typing; any other
// keeps its text): an impossible text (not a number,
// or beyond the field's upper limit in `unit`) is emptied, never trimmed. Lower limits are
// left to the Calculate command.
KeyReleaseOutcome checkAfterKeyRelease(InputField field, std::string_view text, UnitSystem unit);

}  // namespace capillary
