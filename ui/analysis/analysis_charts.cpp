#include "ui/analysis/analysis_charts.h"

#include <QChart>
#include <QFont>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "engine/Mdlfitting.h"
#include "engine/figure_texts.h"
#include "engine/flow_profile_figures.h"
#include "engine/unit_labels.h"
#include "ui/common/qt_text.h"

namespace capillary {
namespace {

// The bore axis ends a little past the widest standard bore, so that its point is not on the
// chart's edge.
constexpr double kBoreAxisEndIn = BoreTable.back().diameterFt * kInchesPerFoot + 0.01;
const QColor kLengthColour{31, 90, 150};
const QColor kSecondColour{184, 105, 46};
const QColor kChosenColour{40, 140, 60};
const QColor kChokeColour{200, 30, 30};

QFont chartFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(chartFont(10, true));
    chart->legend()->setFont(chartFont(9));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(6, 6, 6, 6));
    chart->setBackgroundRoundness(0);
    return chart;
}

template <typename Axis>
Axis* newAxis(const QString& title) {
    auto* axis = new Axis;
    axis->setTitleText(title);
    axis->setTitleFont(chartFont(9));
    axis->setLabelsFont(chartFont(8.5));
    return axis;
}

QString unitTitle(const QString& name, std::string_view unit) {
    return unit.empty() ? name : QStringLiteral("%1 (%2)").arg(name, toQString(unit));
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QLineSeries* line(const QString& name, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2));
    return series;
}

QScatterSeries* marker(const QString& name, const char* objectName, const QColor& colour,
                       double size) {
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setObjectName(QString::fromLatin1(objectName));
    series->setColor(colour);
    series->setBorderColor(colour.darker(140));
    series->setMarkerSize(size);
    return series;
}

double lengthInDesignUnits(double feet, UnitSystem unit) {
    return unit == UnitSystem::Metric ? feet * kMillimetrePerFoot : feet;
}

// A profile chart with two quantities, one on each side, against the length from the inlet.
QChart* profileChart(const HomogeneousFlow& flow, UnitSystem unit, const QString& title,
                     int leftColumn, const QString& leftName, int rightColumn,
                     const QString& rightName) {
    const auto units = flowProfileUnits(unit);
    QChart* chart = newChart(title);
    auto* x = newAxis<QValueAxis>(unitTitle(QStringLiteral("Length from the inlet"), units[5]));
    auto* left = newAxis<QValueAxis>(unitTitle(leftName, units[leftColumn]));
    auto* right = newAxis<QValueAxis>(unitTitle(rightName, units[rightColumn]));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(right, Qt::AlignRight);
    QLineSeries* first = line(leftName, kLengthColour);
    QLineSeries* second = line(rightName, kSecondColour);
    const auto value = [](const FlowProfileFigures& f, int column) {
        const double values[] = {f.temperature, f.pressure, f.quality,
                                 f.velocity,    f.reynolds, f.length};
        return values[column];
    };
    for (const FlowProfilePoint& point : flow.profile) {
        const FlowProfileFigures f = flowProfileFigures(point, unit);
        first->append(f.length, value(f, leftColumn));
        second->append(f.length, value(f, rightColumn));
    }
    attach(*chart, first, x, left);
    attach(*chart, second, x, right);
    left->setLinePenColor(kLengthColour);
    right->setLinePenColor(kSecondColour);
    if (flow.choke) {
        const FlowProfileFigures end = flowProfileFigures(flow.profile.back(), unit);
        QScatterSeries* choke =
            marker(QStringLiteral("Choke point"), kChokeSeries, kChokeColour, 12);
        choke->append(end.length, value(end, leftColumn));
        attach(*chart, choke, x, left);
    }
    x->setMin(0);
    x->applyNiceNumbers();
    left->applyNiceNumbers();
    right->applyNiceNumbers();
    return chart;
}

}  // namespace

QChart* makeBoreChart(const TubeAnalysis& analysis) {
    const UnitSystem unit = analysis.calculated.unit;
    const std::string_view lengthUnit = unitCaption(unitLabels(unit).Lbl19);
    QChart* chart = newChart(QStringLiteral("Tube length of each standard bore"));
    auto* x = newAxis<QValueAxis>(QStringLiteral("Bore (in)"));
    auto* y = newAxis<QLogValueAxis>(unitTitle(QStringLiteral("Length"), lengthUnit));
    y->setLabelFormat(QStringLiteral("%g"));
    y->setBase(10);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    QLineSeries* lengths = line(QStringLiteral("Tube length"), kLengthColour);
    QScatterSeries* points = marker(QStringLiteral("Standard bore"), "Bores", kLengthColour, 7);
    double lowest = HUGE_VAL, highest = 0;
    for (const BoreEvaluation& bore : analysis.bores) {
        if (!(bore.lengthFt > 0) || !std::isfinite(bore.lengthFt)) continue;  // no real tube
        const double length = lengthInDesignUnits(bore.lengthFt, unit);
        const double inches = bore.bore.diameterFt * kInchesPerFoot;
        lengths->append(inches, length);
        points->append(inches, length);
        lowest = std::min(lowest, length);
        highest = std::max(highest, length);
    }
    attach(*chart, lengths, x, y);
    attach(*chart, points, x, y);
    chart->legend()->markers(points).constFirst()->setVisible(false);  // the line names them

    const double shortest = lengthInDesignUnits(analysis.shortestLengthFt, unit);
    if (shortest > 0 && std::isfinite(shortest)) {
        QLineSeries* limit = line(QStringLiteral("Shortest tube the limit allows (%1)")
                                      .arg(toQString(lengthText(analysis.shortestLengthFt, unit))),
                                  kChokeColour);
        limit->setObjectName(QString::fromLatin1(kLimitSeries));
        limit->setPen(QPen(kChokeColour, 1.5, Qt::DashLine));
        limit->append(0.0, shortest);
        limit->append(kBoreAxisEndIn, shortest);
        attach(*chart, limit, x, y);
        lowest = std::min(lowest, shortest);
        highest = std::max(highest, shortest);
    }
    if (analysis.chosenIndex) {
        const BoreEvaluation& chosen = analysis.bore(*analysis.chosenIndex);
        QScatterSeries* mark =
            marker(QStringLiteral("Line size %1 in").arg(toQString(chosen.bore.label)),
                   kChosenBoreSeries, kChosenColour, 14);
        mark->append(chosen.bore.diameterFt * kInchesPerFoot,
                     lengthInDesignUnits(chosen.lengthFt, unit));
        attach(*chart, mark, x, y);
    }
    x->setRange(0, kBoreAxisEndIn);
    x->setTickCount(8);
    // Whole decades, with room below the shortest tube so that its point is not on the axis.
    if (highest > 0) {
        y->setRange(std::pow(10, std::floor(std::log10(lowest / 2))),
                    std::pow(10, std::ceil(std::log10(highest))));
    }
    return chart;
}

QChart* makePressureChart(const HomogeneousFlow& flow, UnitSystem unit) {
    return profileChart(flow, unit, QStringLiteral("Pressure and temperature along the tube"), 1,
                        QStringLiteral("Pressure"), 0, QStringLiteral("Temperature"));
}

QChart* makeQualityChart(const HomogeneousFlow& flow, UnitSystem unit) {
    return profileChart(flow, unit, QStringLiteral("Quality and velocity along the tube"), 2,
                        QStringLiteral("Quality"), 3, QStringLiteral("Velocity"));
}

QChart* makeEmptyChart(const QString& why) {
    QChart* chart = newChart(why);
    chart->legend()->hide();
    return chart;
}

}  // namespace capillary
