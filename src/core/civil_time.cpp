#include "core/civil_time.h"

#include <ctime>

namespace direvovu {
namespace {

// Civil date and time from seconds since 1970-01-01 00:00:00, either side of it
// (proleptic Gregorian), after H. Hinnant's days-to-civil algorithm.
CivilTime CivilTimeOfSeconds(std::int64_t seconds) {
  const std::int64_t days = seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
  const auto second_of_day = static_cast<int>(seconds - days * 86400);
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t day_of_era = z - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t mp = (5 * day_of_year + 2) / 153;
  CivilTime time;
  time.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  time.year = static_cast<int>(year_of_era + era * 400 + (time.month <= 2 ? 1 : 0));
  time.day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  time.hour = second_of_day / 3600;
  time.minute = second_of_day / 60 % 60;
  time.second = second_of_day % 60;
  return time;
}

}  // namespace

CivilTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidCivilTime(const CivilTime& time) {
  return time.month >= 1 && time.month <= 12 && time.day >= 1 &&
         time.day <= DaysInMonth(time.year, time.month) && time.hour >= 0 && time.hour <= 23 &&
         time.minute >= 0 && time.minute <= 59 && time.second >= 0 && time.second <= 59;
}

std::int64_t SecondsSinceEpoch(const CivilTime& time) {
  // Days from civil date (proleptic Gregorian), after H. Hinnant's algorithm.
  const std::int64_t y = time.year - (time.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (time.month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + time.day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const std::int64_t days = era * 146097 + doe - 719468;
  return days * 86400 + std::int64_t{time.hour} * 3600 + std::int64_t{time.minute} * 60 + time.second;
}

CivilTime CivilTimeOfEpochSeconds(std::uint32_t seconds) { return CivilTimeOfSeconds(seconds); }

CivilTime AddSeconds(const CivilTime& time, std::int64_t seconds) {
  return CivilTimeOfSeconds(SecondsSinceEpoch(time) + seconds);
}

}  // namespace direvovu
