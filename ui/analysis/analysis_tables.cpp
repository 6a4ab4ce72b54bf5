#include "ui/analysis/analysis_tables.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <string>
#include <vector>

#include "engine/csv_text.h"
#include "engine/figure_texts.h"
#include "engine/fixed_point.h"
#include "engine/flow_profile_figures.h"
#include "engine/unit_labels.h"
#include "ui/common/qt_text.h"

namespace capillary {
namespace {

const QColor kChosenShade{220, 238, 214};

// A heading on two lines, the unit beneath the name, so that narrow columns keep it whole; the
// texts copied or saved put it on one line.
QString withUnit(const QString& name, std::string_view unit) {
    return unit.empty() ? name : QStringLiteral("%1\n(%2)").arg(name, toQString(unit));
}

void setRow(QTableWidget& table, int row, const QStringList& texts, bool chosen = false) {
    for (int column = 0; column < texts.size(); ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        // Figures to the right, words (and bore labels) to the left.
        bool figure = false;
        texts[column].toDouble(&figure);
        item->setTextAlignment(figure && column > 0 ? Qt::AlignRight | Qt::AlignVCenter
                                                    : Qt::AlignLeft | Qt::AlignVCenter);
        item->setData(kChosenRole, chosen);
        if (chosen) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setBackground(kChosenShade);
        }
        table.setItem(row, column, item);
    }
}

void prepare(QTableWidget& table, const QStringList& headings, int rows) {
    table.clear();
    table.setColumnCount(static_cast<int>(headings.size()));
    table.setRowCount(rows);
    table.setHorizontalHeaderLabels(headings);
    table.verticalHeader()->setVisible(false);
}

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}

QString headingText(const QTableWidget& table, int column) {
    const QTableWidgetItem* item = table.horizontalHeaderItem(column);
    return item ? item->text().replace(QLatin1Char('\n'), QLatin1Char(' ')) : QString();
}

// The headings, then every row, each line's cells joined by `joinCells`.
QString joinedTable(const QTableWidget& table,
                    const std::function<QString(const QStringList&)>& joinCells) {
    QString text;
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        cells << headingText(table, column);
    }
    text += joinCells(cells) + QLatin1Char('\n');
    for (int row = 0; row < table.rowCount(); ++row) {
        cells.clear();
        for (int column = 0; column < table.columnCount(); ++column) {
            cells << cellText(table, row, column);
        }
        text += joinCells(cells) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

void fillBoreTable(QTableWidget& table, const TubeAnalysis& analysis) {
    const UnitLabels& labels = unitLabels(analysis.calculated.unit);
    prepare(table,
            {withUnit(QStringLiteral("Bore"), "in"), withUnit(QStringLiteral("Bore"), "mm"),
             withUnit(QStringLiteral("Velocity"), unitCaption(labels.Lbl17)),
             withUnit(QStringLiteral("Length"), unitCaption(labels.Lbl19)),
             withUnit(QStringLiteral("Total drop"), unitCaption(labels.Lbl15)),
             withUnit(QStringLiteral("Drop per length"), unitCaption(labels.Label2)),
             QStringLiteral("Meets the\nlimit")},
            kBoreCount);
    const std::vector<BoreRowTexts> rows = boreRowTexts(analysis);
    for (int row = 0; row < kBoreCount; ++row) {
        const BoreRowTexts& r = rows[static_cast<std::size_t>(row)];
        const QString meets = r.chosen       ? QStringLiteral("yes, line size")
                              : r.meetsLimit ? QStringLiteral("yes")
                                             : QStringLiteral("no");
        setRow(table, row,
               {toQString(r.boreInches), toQString(r.boreMillimetres), toQString(r.velocity),
                toQString(r.length), toQString(r.totalPressureDrop), toQString(r.gradient), meets},
               r.chosen);
    }
}

void fillStepTable(QTableWidget& table, const std::optional<HomogeneousFlow>& flow,
                   UnitSystem unit) {
    const auto units = flowProfileUnits(unit);
    prepare(table,
            {withUnit(QStringLiteral("Temperature"), units[0]),
             withUnit(QStringLiteral("Pressure"), units[1]), QStringLiteral("Quality"),
             withUnit(QStringLiteral("Velocity"), units[3]), QStringLiteral("Reynolds number"),
             withUnit(QStringLiteral("Length from the inlet"), units[5])},
            flow ? static_cast<int>(flow->profile.size()) : 0);
    if (!flow) return;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (const std::string& text :
             flowProfileTexts(flow->profile[static_cast<std::size_t>(row)], unit)) {
            cells << toQString(text);
        }
        setRow(table, row, cells);
    }
}

void fillOpinionTable(QTableWidget& table, const std::optional<SecondOpinion>& opinion,
                      std::optional<double> homogeneousFlow, UnitSystem unit) {
    prepare(table,
            {QString(), QStringLiteral("Sizing model"), QStringLiteral("Homogeneous model"),
             QStringLiteral("ASHRAE chart")},
            opinion ? 3 : 0);
    if (!opinion) return;
    const QString none = QStringLiteral("—");
    const auto& flow = opinion->homogeneous;
    const auto& chart = opinion->chart;
    const auto chartText = [&](const std::optional<double>& value, auto format) {
        if (!chart) return QStringLiteral("holds for R22 only");
        return value ? toQString(format(*value, unit)) : QStringLiteral("not on the chart");
    };
    setRow(
        table, 0,
        {QStringLiteral("Length for the design flow"),
         toQString(lengthText(opinion->lengthFt, unit)),
         flow ? toQString(lengthText(flow->totalLengthFt, unit)) : QStringLiteral("does not apply"),
         chartText(chart ? chart->lengthFt : std::nullopt, lengthText)});
    const QString choke =
        !flow         ? none
        : flow->choke ? QStringLiteral("yes, at %1")
                            .arg(toQString(temperatureText(flow->choke->temperatureF, unit)))
                      : QStringLiteral("no");
    setRow(table, 1,
           {QStringLiteral("Flow chokes"), QStringLiteral("not modelled"), choke,
            chart ? QStringLiteral("always (choked flow)") : QStringLiteral("holds for R22 only")});
    setRow(table, 2,
           {QStringLiteral("Flow the sized tube passes"),
            toQString(massFlowText(opinion->massFlowLbPerH, unit)),
            homogeneousFlow ? toQString(massFlowText(*homogeneousFlow, unit)) : none,
            chartText(chart ? chart->massFlowLbPerH : std::nullopt, massFlowText)});
}

QString tableAsTabSeparated(const QTableWidget& table) {
    return joinedTable(table, [](QStringList cells) {
        for (QString& cell : cells) cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
        return cells.join(QLatin1Char('\t'));
    });
}

// Quoted as capillary-size quotes its batch output.
QString tableAsCsv(const QTableWidget& table) {
    return joinedTable(table, [](const QStringList& cells) {
        std::string line;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            appendCsvField(line, cells[i].toStdString(), i == 0);
        }
        return QString::fromStdString(line);
    });
}

}  // namespace capillary
