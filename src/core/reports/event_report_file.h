#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/civil_time.h"
#include "core/reports/event_report.h"

namespace direvovu::reports {

// The report's text (UTF-8) in a language 0..6 (another reads as the default language):
// the list as a table padded for that language's headings, then the counts by factor.
std::string EventReportText(const EventList& list, int language);

// The report file's bytes: the byte-order mark and the text as UTF-16 LE, lines ending CR LF.
std::vector<std::uint8_t> EventReportBytes(const EventList& list, int language);

// "Event_YYYYMMDD_HHMMSS.txt" of the moment of saving.
std::string EventReportFileName(const CivilTime& moment);

// Writes the report to `file` through a temporary file, so a failed write never leaves a
// cut report; false when it could not be written (the old file then stays as it was).
bool WriteEventReport(const std::filesystem::path& file, const EventList& list, int language);

}  // namespace direvovu::reports
