#pragma once

#include <QString>

#include <optional>

#include "engine/homogeneous_flow.h"
#include "engine/second_opinion.h"
#include "engine/tube_analysis.h"

class QTableWidget;

namespace capillary {

// The data role that marks the row of the bore the sizing chose.
inline constexpr int kChosenRole = 0x0100 + 1;  // Qt::UserRole + 1

// The fourteen bores as the sizing tried them, the chosen one in bold and shaded.
void fillBoreTable(QTableWidget& table, const TubeAnalysis& analysis);

// The homogeneous march along a bore, one row per point from the inlet; empty when the model
// does not apply.
void fillStepTable(QTableWidget& table, const std::optional<HomogeneousFlow>& flow,
                   UnitSystem unit);

// The chosen tube by each method side by side: its length for the design's flow, whether the
// flow chokes, and the flow the tube passes.
// `homogeneousFlow` is the flow per circuit the homogeneous model finds through the tube.
void fillOpinionTable(QTableWidget& table, const std::optional<SecondOpinion>& opinion,
                      std::optional<double> homogeneousFlow, UnitSystem unit);

// A table with its column headings as text: tab-separated for the clipboard, or CSV.
QString tableAsTabSeparated(const QTableWidget& table);
QString tableAsCsv(const QTableWidget& table);

}  // namespace capillary
