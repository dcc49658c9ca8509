// The camera's event text over arbitrary bytes: every event read must be placeable on
// the graphs or skipped, never crash, and at most ten reach the graphs. The same events
// go through the event report: one row each, counted once by factor, and a report file
// of whole UTF-16 characters after its byte-order mark.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/display/event_text.h"
#include "core/reports/event_report.h"
#include "core/reports/event_report_file.h"

namespace {

void CheckReport(const std::vector<direvovu::display::EventEntry>& entries, int language) {
  using namespace direvovu;
  reports::EventList list;
  for (const auto& entry : entries) list.Append(entry);
  if (list.rows.size() != entries.size()) std::abort();
  const std::size_t counted = static_cast<std::size_t>(list.counts.x + list.counts.y + list.counts.z);
  if (counted != list.rows.size()) std::abort();
  const auto bytes = reports::EventReportBytes(list, language);
  if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes[0] != 0xFF || bytes[1] != 0xFE) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace direvovu;
  const auto entries = display::ParseEventText(std::span(data, size));
  TrackState track;
  track.records.resize(3);
  track.records[0].year = 2009;
  track.records[0].month = 8;
  track.records[0].day = 7;
  track.count = 3;
  track.recordsPerSecond = 1;
  for (const auto& entry : entries) (void)display::EventSeconds(entry);
  const auto events = display::GraphEventsOf(entries, track);
  if (events.size() > static_cast<std::size_t>(display::kMaxGraphEvents)) std::abort();
  CheckReport(entries, size > 0 ? data[0] % 8 : 0);  // 7 is out of range: the default language
  return 0;
}
