#pragma once

#include <optional>
#include <string>

#include "engine/units.h"

namespace capillary {

// The captions of the labels a project file restores, named after their controls.
struct ProjectCaptions {
    std::string Lbl2;   // capacity caption
    std::string Lbl3;   // evaporating temperature caption
    std::string Lbl4;   // condensing temperature caption
    std::string Lbl5;   // superheat caption (hidden field)
    std::string Lbl6;   // subcooling caption
    std::string Lbl7;   // maximum pressure drop caption
    std::string Lbl9;   // circuits caption
    std::string Lbl15;  // unit of the total pressure drop
    std::string Lbl17;  // unit of the velocity
    std::string Lbl19;  // unit of the length

    bool operator==(const ProjectCaptions&) const = default;
};

// One saved design: the 23 values of a project file, in the order of its lines. Texts are
// UTF-8 and hold exactly what the window shows (numbers as typed, in the unit system of
// `unit`); a line break inside a text is "\n". Results are not part of a design.
struct ProjectRecord {
    std::string refrigerant;      // line 1: one of kRefrigerantNames, or empty when none is chosen
    std::string capacity;         // line 2
    std::string evaporating;      // line 3
    std::string condensing;       // line 4
    std::string superheat;        // line 5: the hidden superheat field
    std::string subcooling;       // line 6
    std::string maxPressureDrop;  // line 7: empty or a numeric text
    std::string circuits;         // line 8

    // Lines 9 to 11, the report heading. Customer and project are unset while the heading was
    // never entered, which the file keeps apart from an empty text.
    std::optional<std::string> customer;
    std::optional<std::string> project;
    std::string note;

    ProjectCaptions captions;  // lines 12 to 21

    int history = 0;  // line 22: kept so a design saves as it was read; opening does not use it
    int unit = 0;     // line 23: 0 English, any other whole number Metric

    UnitSystem unitSystem() const { return unit == 0 ? UnitSystem::English : UnitSystem::Metric; }

    bool operator==(const ProjectRecord&) const = default;
};

}  // namespace capillary
