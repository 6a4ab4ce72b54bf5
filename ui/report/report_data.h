#pragma once

#include <QString>

#include <ctime>

#include "engine/units.h"

namespace capillary {

// The dates and the time printed on a report, as texts.
struct ReportMoment {
    QString gregorianDate;   // "26/10/2005   "
    QString solarHijriDate;  // "1384/8/4   wednesday"
    QString timeOfDay;       // in the regional time format
};

// The heading the user gives the report: customer, project and a note of any number of lines.
struct ReportHeading {
    QString customer;
    QString project;
    QString note;
};

// Everything a report sheet shows, as plain texts, so that the sheet can be filled from the
// main window or from a saved design alike. The values are the texts exactly as displayed.
struct ReportData {
    UnitSystem unit = UnitSystem::English;  // decides the unit captions
    QString refrigerant;                    // T1
    QString capacity;                       // T2
    QString evaporatingTemperature;         // T3
    QString condensingTemperature;          // T4
    QString subcooling;                     // T5
    QString pressureDrop;                   // T6: the actual pressure drop per length found
    QString circuits;                       // T7
    QString lineSize;                       // T8
    QString velocity;                       // T9
    QString length;                         // T10
    QString totalPressureDrop;              // T11
    QString boreDescription;                // Lbl30, e.g. "Inch Copper Tube Inside diameter"
    ReportHeading heading;
    ReportMoment moment;
};

// The report's dates and time for a local date and time.
ReportMoment reportMomentOf(const std::tm& local);
ReportMoment reportMomentNow();

}  // namespace capillary
