#pragma once

#include <array>
#include <string>
#include <string_view>

#include "unit_labels.h"

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

// How each input is named and labelled wherever it is given: the window's control and its
// caption, the command-line option, the batch column; and where its text is held.
struct InputFieldInfo {
    InputField field;
    std::string_view control;               // object name on the main window, e.g. "Txtcircuit"
    std::string_view captionControl;        // the caption before it, e.g. "Lbl9"
    std::string_view UnitLabels::*caption;  // its caption in each unit system; null when fixed
    std::string_view UnitLabels::*tooltip;  // its tooltip in each unit system; null when none
    std::string_view option;                // capillary-size option, e.g. "--circuits"
    std::string_view column;                // batch CSV column and JSON key, e.g. "circuits"
    std::string InputTexts::*text;
};

inline constexpr std::array<InputFieldInfo, 8> kInputFields{{
    {.field = InputField::Cmbrt,
     .control = "Cmbrt",
     .captionControl = "Lbl1",
     .caption = nullptr,
     .tooltip = nullptr,
     .option = "--refrigerant",
     .column = "refrigerant",
     .text = &InputTexts::refrigerant},
    {.field = InputField::Txtcapacity,
     .control = "Txtcapacity",
     .captionControl = "Lbl2",
     .caption = &UnitLabels::Lbl2,
     .tooltip = &UnitLabels::capacityTip,
     .option = "--capacity",
     .column = "capacity",
     .text = &InputTexts::capacity},
    {.field = InputField::Txtet,
     .control = "Txtet",
     .captionControl = "Lbl3",
     .caption = &UnitLabels::Lbl3,
     .tooltip = &UnitLabels::evaporatingTip,
     .option = "--evaporating",
     .column = "evaporating",
     .text = &InputTexts::evaporating},
    {.field = InputField::Txtct,
     .control = "Txtct",
     .captionControl = "Lbl4",
     .caption = &UnitLabels::Lbl4,
     .tooltip = &UnitLabels::condensingTip,
     .option = "--condensing",
     .column = "condensing",
     .text = &InputTexts::condensing},
    {.field = InputField::Txtsh,
     .control = "Txtsh",
     .captionControl = "Lbl5",
     .caption = &UnitLabels::Lbl5,
     .tooltip = &UnitLabels::superheatTip,
     .option = "--superheat",
     .column = "superheat",
     .text = &InputTexts::superheat},
    {.field = InputField::Txtsc,
     .control = "Txtsc",
     .captionControl = "Lbl6",
     .caption = &UnitLabels::Lbl6,
     .tooltip = &UnitLabels::subcoolingTip,
     .option = "--subcooling",
     .column = "subcooling",
     .text = &InputTexts::subcooling},
    {.field = InputField::Cmbdpd,
     .control = "Cmbdpd",
     .captionControl = "Lbl7",
     .caption = &UnitLabels::Lbl7,
     .tooltip = nullptr,
     .option = "--max-dp",
     .column = "max_dp",
     .text = &InputTexts::maxPressureDrop},
    {.field = InputField::Txtcircuit,
     .control = "Txtcircuit",
     .captionControl = "Lbl9",
     .caption = nullptr,
     .tooltip = nullptr,
     .option = "--circuits",
     .column = "circuits",
     .text = &InputTexts::circuits},
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
