#include "ui/report/report_data.h"

#include "ui/report/calendar.h"

namespace capillary {

// The time text follows the regional format, so it comes in the locale's own encoding.
ReportMoment ReportMomentOf(const std::tm& local) {
    const CivilDate date = CivilDateOf(local);
    return ReportMoment{
        QString::fromStdString(GregorianDateText(date)),
        QString::fromStdString(SolarHijriDateText(date)),
        QString::fromLocal8Bit(TimeOfDayText(local)),
    };
}

ReportMoment ReportMomentNow() { return ReportMomentOf(LocalNow()); }

}  // namespace capillary
