#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace capillary {

// A day of the civil (Gregorian) calendar with its weekday, 1 (Sunday) to 7 (Saturday).
struct CivilDate {
    int year;
    int month;  // 1 … 12
    int day;    // 1 … 31
    int weekday;
};

struct SolarHijriDate {
    int year;
    int month;  // 1 … 12
    int day;
};

// The civil date of `year-month-day`, with its weekday.
CivilDate makeCivilDate(int year, int month, int day);

// The Solar Hijri date of a civil date, by the report's month tables: the year starts on
// 20 March in civil years divisible by four and on 21 March in the others.
SolarHijriDate toSolarHijri(const CivilDate& date);

// " monday" carries its leading blank, as the report has always printed it.
std::string_view DayNames(int weekday);

// "26/10/2005   ": day/month/year without leading zeros, then three blanks.
std::string gregorianDateText(const CivilDate& date);

// "1384/8/4   wednesday": year/month/day, three blanks and the weekday name.
std::string solarHijriDateText(const CivilDate& date);

// The local date and time now.
std::tm localNow();
CivilDate civilDateOf(const std::tm& local);

// The time of day in the regional format of the current C locale (LC_TIME).
std::string timeOfDayText(const std::tm& local);

}  // namespace capillary
