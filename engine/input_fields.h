#pragma once

#include <array>
#include <string>
#include <string_view>

namespace capillary {

// The input controls of the main window, in the order the Calculate command checks them.
enum class InputField { Cmbrt, Txtcapacity, Txtet, Txtct, Txtsh, Txtsc, Cmbdpd, Txtcircuit };

// The texts of the eight input controls as the user typed them.
struct InputTexts {
    std::string refrigerant;
    std::string capacity;
    std::string evaporating;
    std::string condensing;
    std::string superheat = "0";  // the hidden field starts at "0"
    std::string subcooling;
    std::string maxPressureDrop;
    std::string circuits;
};

// How each input is named wherever it is given: the window's control, the command-line
// option, the batch column; and where its text is held.
struct InputFieldInfo {
    InputField field;
    std::string_view control;  // object name on the main window, e.g. "Txtcircuit"
    std::string_view option;   // capillary-size option, e.g. "--circuits"
    std::string_view column;   // batch CSV column and JSON key, e.g. "circuits"
    std::string InputTexts::*text;
};

inline constexpr std::array<InputFieldInfo, 8> kInputFields{{
    {InputField::Cmbrt, "Cmbrt", "--refrigerant", "refrigerant", &InputTexts::refrigerant},
    {InputField::Txtcapacity, "Txtcapacity", "--capacity", "capacity", &InputTexts::capacity},
    {InputField::Txtet, "Txtet", "--evaporating", "evaporating", &InputTexts::evaporating},
    {InputField::Txtct, "Txtct", "--condensing", "condensing", &InputTexts::condensing},
    {InputField::Txtsh, "Txtsh", "--superheat", "superheat", &InputTexts::superheat},
    {InputField::Txtsc, "Txtsc", "--subcooling", "subcooling", &InputTexts::subcooling},
    {InputField::Cmbdpd, "Cmbdpd", "--max-dp", "max_dp", &InputTexts::maxPressureDrop},
    {InputField::Txtcircuit, "Txtcircuit", "--circuits", "circuits", &InputTexts::circuits},
}};

// The table row of `field`; the table lists every field in enum order, so this cannot miss.
constexpr const InputFieldInfo& inputFieldInfo(InputField field) {
    return kInputFields[static_cast<std::size_t>(field)];
}

static_assert([] {
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        if (static_cast<std::size_t>(kInputFields[i].field) != i) return false;
    }
    return true;
}());

inline std::string_view controlName(InputField field) { return inputFieldInfo(field).control; }

}  // namespace capillary
