#include "core/setup/time_zones.h"

#include <array>

namespace direvovu {
namespace {

// The camera's own list; "&amp;" is how its texts have always read.
constexpr std::array<TimeZoneRow, kTimeZoneCount> kRows{{
    {"(GMT-12:00) Eniwetok, Kwajalein", "12", 43200},
    {"(GMT-11:00) Midway Island, Samoa", "11", 39600},
    {"(GMT-10:00) Hawaii", "10", 36000},
    {"(GMT-09:00) Alaska", "9", 32400},
    {"(GMT-08:00) Pacific Time (US &amp; Canada), Tijuana", "8", 28800},
    {"(GMT-07:00) Mountain Time (US &amp; Canada), Arizona", "7", 25200},
    {"(GMT-06:00) Central Time (US &amp; Canada), Mexico City", "6", 21600},
    {"(GMT-05:00) Eastern Time (US &amp; Canada), Bogota, Lima, Quito", "5", 18000},
    {"(GMT-04:00) Atlantic Time (Canada), Caracas, La Paz", "4", 14400},
    {"(GMT-03:30) Newfoundland", "3.5", 12600},
    {"(GMT-03:00) Brassila, Buenos Aires, Georgetown, Falkland Is", "3", 10800},
    {"(GMT-02:00) Mid-Atlantic, Ascension Is., St. Helena", "2", 7200},
    {"(GMT-01:00) Azores, Cape Verde Islands", "1", 3600},
    {"(GMT) Casablanca, Dublin, Edinburgh, London, Lisbon, Monrovia", "0", 0},
    {"(GMT+01:00) Amsterdam, Berlin, Brussels, Madrid, Paris, Rome", "-1", -3600},
    {"(GMT+02:00) Cairo, Helsinki, Kaliningrad, South Africa", "-2", -7200},
    {"(GMT+03:00) Baghdad, Riyadh, Moscow, Nairobi", "-3", -10800},
    {"(GMT+03:30) Tehran", "-3.5", -12600},
    {"(GMT+04:00) Abu Dhabi, Baku, Muscat, Tbilisi", "-4", -14400},
    {"(GMT+04:30) Kabul", "-4.5", -16200},
    {"(GMT+05:00) Ekaterinburg, Islamabad, Karachi, Tashkent", "-5", -18000},
    {"(GMT+05:30) Bombay, Calcutta, Madras, New Delhi", "-5.5", -19800},
    {"(GMT+05:45) Katmandu", "-5.75", -20700},
    {"(GMT+06:00) Almaty, Colombo, Dhaka, Novosibirsk", "-6", -21600},
    {"(GMT+06:30) Rangoon", "-6.5", -23400},
    {"(GMT+07:00) Bangkok, Hanoi, Jakarta", "-7", -25200},
    {"(GMT+08:00) Beijing, Hong Kong, Perth, Singapore, Taipei", "-8", -28800},
    {"(GMT+09:00) Osaka, Sapporo, Seoul, Tokyo, Yakutsk", "-9", -32400},
    {"(GMT+09:30) Adelaide, Darwin", "-9.5", -34200},
    {"(GMT+10:00) Canberra, Guam, Melbourne, Sydney, Vladivostok", "-10", -36000},
    {"(GMT+11:00) Magadan, New Caledonia, Solomon Islands", "-11", -39600},
    {"(GMT+12:00) Auckland, Wellington, Fiji, Marshall Island", "-12", -43200},
}};

}  // namespace

std::span<const TimeZoneRow> TimeZoneRows() { return kRows; }

int TimeZoneRowFor(std::string_view value, std::optional<long> pc_seconds_west) {
  for (int i = 0; i < kTimeZoneCount; ++i) {
    if (kRows[static_cast<std::size_t>(i)].value == value) return i;
  }
  if (!pc_seconds_west) return -1;
  for (int i = 0; i < kTimeZoneCount; ++i) {
    if (kRows[static_cast<std::size_t>(i)].seconds_west == *pc_seconds_west) return i;
  }
  return -1;
}

std::string_view TimeZoneValue(int row) {
  if (row < 0 || row >= kTimeZoneCount) return "";
  return kRows[static_cast<std::size_t>(row)].value;
}

}  // namespace direvovu
