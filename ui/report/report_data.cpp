#include "ui/report/report_data.h"

#include "ui/report/calendar.h"

namespace capillary {

// The time text follows the regional format, so it comes in the locale's own encoding.
ReportMoment reportMomentOf(const std::tm& local) {
    const CivilDate date = civilDateOf(local);
    return ReportMoment{
        QString::fromStdString(gregorianDateText(date)),
        QString::fromStdString(solarHijriDateText(date)),
        QString::fromLocal8Bit(timeOfDayText(local)),
    };
}

ReportMoment reportMomentNow() { return reportMomentOf(localNow()); }

}  // namespace capillary
