#include "typing_rejection.h"

#include <cmath>

#include "Mdlproperties.h"
#include "field_entry_checks.h"
#include "fixed_point.h"
#include "numeric_text.h"
#include "unit_labels.h"

namespace capillary {
namespace {

// How a field with typing checks speaks of its value and its limits.
struct FieldWording {
    std::string_view noun;         // "condensing temperature"
    std::string_view highestWord;  // "largest" or "highest"
    std::string_view englishUnit;  // unit of its limits in each system
    std::string_view metricUnit;
    std::string_view UnitLabels::*tip;  // its tooltip, or null
};

std::optional<FieldWording> wordingOf(InputField field) {
    switch (field) {
        case InputField::Txtcapacity:
            return FieldWording{"capacity", "largest", "tons", "kW", &UnitLabels::capacityTip};
        case InputField::Txtet:
            return FieldWording{"evaporating temperature", "highest", "F", "C",
                                &UnitLabels::evaporatingTip};
        case InputField::Txtct:
            return FieldWording{"condensing temperature", "highest", "F", "C",
                                &UnitLabels::condensingTip};
        case InputField::Txtsc:
            return FieldWording{"subcooling", "largest", "F", "K", &UnitLabels::subcoolingTip};
        case InputField::Cmbdpd:
            return FieldWording{"pressure drop", "", "", "", nullptr};
        case InputField::Txtcircuit:
            return FieldWording{"number of circuits", "", "", "", nullptr};
        case InputField::Cmbrt:
        case InputField::Txtsh:
            return std::nullopt;
    }
    return std::nullopt;
}

bool beginsWithMinus(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first != std::string_view::npos && text[first] == '-';
}

std::optional<std::string> refrigerantReason(std::string_view text) {
    if (text.empty()) return std::nullopt;  // "Data is not complete. " says it
    for (std::string_view name : kRefrigerantNames) {
        if (text == name) return std::nullopt;
    }
    std::string known;
    for (std::size_t i = 0; i < kRefrigerantNames.size(); ++i) {
        if (i > 0) known += i + 1 == kRefrigerantNames.size() ? " or " : ", ";
        known += kRefrigerantNames[i];
    }
    return "not a known refrigerant; choose " + known;
}

std::optional<std::string> checkedFieldReason(InputField field, const FieldWording& w,
                                              std::string_view text, UnitSystem unit) {
    const std::optional<double> value = parseNumericText(text);
    if (!value) {
        // What typing lets stand unchanged (empty, "-", ".") is for the Calculate command.
        if (checkAfterKeyRelease(field, text, unit).text == text) return std::nullopt;
        return std::string("not a number");
    }
    if (beginsWithMinus(text) && !takesMinusSign(field)) {
        return "the " + std::string(w.noun) + " field takes no minus sign";
    }
    const std::string_view limitUnit = unit == UnitSystem::Metric ? w.metricUnit : w.englishUnit;
    if (const auto limits = typingLimits(field, unit)) {
        if (*value > limits->highest) {
            return "above " + formatPlainDecimal(limits->highest) + " " + std::string(limitUnit) +
                   ", the " + std::string(w.highestWord) + " " + std::string(w.noun);
        }
        if (*value < limits->lowest) {
            return "below " + formatPlainDecimal(limits->lowest) + " " + std::string(limitUnit) +
                   ", the lowest " + std::string(w.noun);
        }
    }
    // The window cuts a count to its whole part while typing; a script means what it wrote.
    if (field == InputField::Txtcircuit && std::floor(*value) != *value) {
        return std::string("not a whole number of circuits");
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> typingRejectionReason(InputField field, std::string_view text,
                                                 UnitSystem unit) {
    if (field == InputField::Cmbrt) return refrigerantReason(text);
    if (field == InputField::Txtsh) {
        // The hidden field has no checks of its own, but a text that is not a number would
        // silently become "0".
        if (text.empty() || isNumericText(text)) return std::nullopt;
        return std::string("not a number");
    }
    const std::optional<FieldWording> wording = wordingOf(field);
    std::optional<std::string> reason = checkedFieldReason(field, *wording, text, unit);
    if (reason && wording->tip) {
        *reason += " (" + std::string(unitLabels(unit).*(wording->tip)) + ")";
    }
    return reason;
}

std::optional<TypingRejection> firstTypingRejection(const InputTexts& texts, UnitSystem unit) {
    for (const InputFieldInfo& info : kInputFields) {
        if (auto reason = typingRejectionReason(info.field, texts.*info.text, unit)) {
            return TypingRejection{info.field, std::move(*reason)};
        }
    }
    return std::nullopt;
}

std::string describeRejection(std::string_view name, std::string_view text,
                              std::string_view reason) {
    const bool blankEnds = !text.empty() && (text.front() == ' ' || text.front() == '\t' ||
                                             text.back() == ' ' || text.back() == '\t');
    std::string shown =
        blankEnds || text.empty() ? "\"" + std::string(text) + "\"" : std::string(text);
    return std::string(name) + " " + shown + ": " + std::string(reason);
}

}  // namespace capillary
