#include "ui/report/calendar.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace capillary {
namespace {

struct DateCase {
    int year, month, day;
    const char* solarHijri;  // year/month/day
};

TEST(Calendar, SolarHijriDates) {
    const DateCase cases[] = {
        {2005, 10, 26, "1384/8/4"},
        {2005, 3, 21, "1384/1/1"},
        {2005, 3, 20, "1383/12/30"},
        {2004, 3, 20, "1383/1/1"},
        {2004, 3, 19, "1382/12/29"},
        {2004, 2, 29, "1382/12/10"},
        {2005, 12, 31, "1384/10/10"},
        {2006, 1, 1, "1384/10/11"},
        {2005, 1, 20, "1383/11/1"},
        // Across the leap cycle: new year on 20 March only in years divisible by four.
        {2006, 3, 20, "1384/12/29"},
        {2006, 3, 21, "1385/1/1"},
        {2008, 3, 19, "1386/12/29"},
        {2008, 3, 20, "1387/1/1"},
        {2009, 3, 20, "1387/12/30"},
        {2009, 3, 21, "1388/1/1"},
        // Month changes: 31-day months in spring, 30-day months in autumn.
        {2026, 4, 20, "1405/1/31"},
        {2026, 4, 21, "1405/2/1"},
        {2026, 9, 22, "1405/6/31"},
        {2026, 9, 23, "1405/7/1"},
        {2026, 12, 10, "1405/9/19"},
        {2024, 2, 29, "1402/12/10"},
    };
    for (const auto& [year, month, day, expected] : cases) {
        const SolarHijriDate s = toSolarHijri(makeCivilDate(year, month, day));
        EXPECT_EQ(
            std::to_string(s.year) + "/" + std::to_string(s.month) + "/" + std::to_string(s.day),
            expected)
            << day << "/" << month << "/" << year;
    }
}

TEST(Calendar, DateTextsForTheReport) {
    const CivilDate wednesday = makeCivilDate(2005, 10, 26);
    EXPECT_EQ(wednesday.weekday, 4);
    EXPECT_EQ(gregorianDateText(wednesday), "26/10/2005   ");
    EXPECT_EQ(solarHijriDateText(wednesday), "1384/8/4   wednesday");
    const CivilDate monday = makeCivilDate(2005, 3, 21);
    EXPECT_EQ(solarHijriDateText(monday), "1384/1/1    monday");
    EXPECT_EQ(gregorianDateText(makeCivilDate(2006, 1, 1)), "1/1/2006   ");
}

// 4 to 10 January 2026 run from Sunday to Saturday; the report names each day.
TEST(Calendar, TheReportNamesEachWeekday) {
    const char* names[] = {"sunday",   " monday", "tuesday", "wednesday",
                           "thursday", "friday",  "saturday"};
    for (int day = 4; day <= 10; ++day) {
        const std::string text = solarHijriDateText(makeCivilDate(2026, 1, day));
        EXPECT_TRUE(text.ends_with(std::string("   ") + names[day - 4])) << text;
    }
}

TEST(Calendar, TimeOfDayInTheRegionalFormat) {
    std::setlocale(LC_TIME, "C");
    std::tm local{};
    local.tm_hour = 14;
    local.tm_min = 5;
    local.tm_sec = 9;
    EXPECT_EQ(timeOfDayText(local), "14:05:09");
    const std::tm now = localNow();
    EXPECT_EQ(civilDateOf(now).weekday,
              makeCivilDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday).weekday);
}

}  // namespace
}  // namespace capillary
