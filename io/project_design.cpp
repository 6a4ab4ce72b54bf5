#include "io/project_design.h"

#include "engine/unit_switch.h"

namespace capillary {

OpenedDesign openedDesign(const ProjectRecord& r) {
    OpenedDesign design{{.refrigerant = r.refrigerant,
                         .capacity = r.capacity,
                         .evaporating = r.evaporating,
                         .condensing = r.condensing,
                         .superheat = r.superheat,
                         .subcooling = r.subcooling,
                         .maxPressureDrop = r.maxPressureDrop,
                         .circuits = r.circuits},
                        r.unitSystem()};
    if (auto shown = reformatSavedPressureDrop(r.maxPressureDrop, design.unit)) {
        design.texts.maxPressureDrop = *shown;
    }
    return design;
}

std::string openFailureMessage(std::string_view fileName, std::string_view reason) {
    return "Cannot open " + std::string(fileName) + ": " + std::string(reason) + ".";
}

}  // namespace capillary
