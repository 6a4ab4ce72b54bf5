#include "calendar.h"

#include <array>
#include <chrono>

namespace capillary {
namespace {

// Indexed by civil month 1 … 12 (index 0 unused).
constexpr std::array<int, 13> MonthMap{0, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int, 13> DayOffset{0, 10, 11, 9, 11, 10, 10, 9, 9, 9, 8, 9, 9};
constexpr std::array<int, 13> MonthBoundary{0, 20, 19, 20, 20, 21, 21, 22, 22, 22, 22, 21, 21};

constexpr std::array<std::string_view, 8> kDayNames{"",          "sunday",   " monday", "tuesday",
                                                    "wednesday", "thursday", "friday",  "saturday"};

int yearInLeapCycle(int year) { return ((year % 4) + 4) % 4; }

}  // namespace

CivilDate makeCivilDate(int year, int month, int day) {
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month(month),
                             std::chrono::day(day)};
    return {year, month, day, static_cast<int>(weekday{sys_days{ymd}}.c_encoding()) + 1};
}

SolarHijriDate toSolarHijri(const CivilDate& date) {
    const int m = date.month;
    const int cycle = yearInLeapCycle(date.year);
    const int leapShift = (cycle == 0 && m > 2) || (cycle == 1 && m < 4) ? 1 : 0;
    const int marchCorrection = cycle == 1 && m == 3 ? 1 : 0;

    int day = 0;
    int k = m;
    if (date.day > MonthBoundary[m] - leapShift + marchCorrection) {
        day = date.day - MonthBoundary[m] + leapShift - marchCorrection;
        k = m + 1;  // the next Solar Hijri month has begun
    } else {
        day = date.day + DayOffset[m] + leapShift;
    }
    const int year = k > 3 ? date.year - 621 : date.year - 622;
    if (k == 13) k = 1;
    return {year, MonthMap[k], day};
}

std::string_view DayNames(int weekday) {
    return weekday >= 1 && weekday <= 7 ? kDayNames[weekday] : std::string_view{};
}

std::string gregorianDateText(const CivilDate& date) {
    return std::to_string(date.day) + "/" + std::to_string(date.month) + "/" +
           std::to_string(date.year) + "   ";
}

std::string solarHijriDateText(const CivilDate& date) {
    const SolarHijriDate s = toSolarHijri(date);
    return std::to_string(s.year) + "/" + std::to_string(s.month) + "/" + std::to_string(s.day) +
           "   " + std::string(DayNames(date.weekday));
}

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

CivilDate civilDateOf(const std::tm& local) {
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday + 1};
}

std::string timeOfDayText(const std::tm& local) {
    std::array<char, 64> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), "%X", &local);
    return std::string(buffer.data(), length);
}

}  // namespace capillary
