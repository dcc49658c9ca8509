// The camera's event text over arbitrary bytes: every event read must be placeable on
// the graphs or skipped, never crash, and at most ten reach the graphs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/display/event_text.h"

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
  return 0;
}
