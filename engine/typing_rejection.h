#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "input_fields.h"
#include "units.h"

namespace capillary {

// An input that the main window could never hold as given, and why, in plain words such as
// "above 10 tons, the largest capacity (Valid Range Is 1 to 10 Ton)".
struct TypingRejection {
    InputField field;
    std::string reason;
};

// Why the window's checks while typing would not let `text` stand in `field` (they would
// empty it or change its value), or why a drop-down list could not hold it; none when the
// text could stand. Texts that only the Calculate command refuses (empty ones, a lone "-" or
// ".") pass, so that its own messages still speak for them.
std::optional<std::string> typingRejectionReason(InputField field, std::string_view text,
                                                 UnitSystem unit);

// The first input, in the order the Calculate command checks them, that could not stand.
std::optional<TypingRejection> firstTypingRejection(const InputTexts& texts, UnitSystem unit);

// "--capacity 12: above 10 tons, …": the reason behind the name the value was given under
// and the value itself, quoted when blanks at its ends would otherwise be invisible.
std::string describeRejection(std::string_view name, std::string_view text,
                              std::string_view reason);

}  // namespace capillary
