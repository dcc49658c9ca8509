// Feeds arbitrary bytes to the track parser, checked and full, and uses whatever it
// stores the way the playback timer does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/io/byte_reader.h"
#include "core/limits.h"
#include "core/recording/embedded_track.h"

using namespace direvovu;

namespace {

void CheckTrack(TrackState& track) {
  if (track.count < 0 || static_cast<std::uint32_t>(track.count) > limits::kMaxTrackRecords ||
      track.records.size() < static_cast<std::size_t>(track.count) || !(track.peakMagnitude <= 2.0)) {
    std::abort();
  }
  for (int second : {0, 1, 59, 3600, 1 << 30}) {
    LocateTrackPosition(track, second);
    const int i = TrackRecordIndex(track, second);
    if (i >= track.count || (track.count > 0 && i < 0)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SpanReader reader({data, size});
  TrackState track;
  const auto checked = ParseEmbeddedTrack(reader, false, track);
  const auto full = ParseEmbeddedTrack(reader, true, track);
  // A file that passes the full parse passes the check.
  if (full.Loaded() && !checked.Loaded()) std::abort();
  CheckTrack(track);

  // The same bytes seen through an overlay that hides a trailer, as for an encrypted
  // recording read with its header decrypted in memory.
  if (size >= 32) {
    std::vector<std::uint8_t> head(data, data + (size < 160 ? size - 32 : 128));
    for (auto& b : head) b = static_cast<std::uint8_t>(b ^ 0x5A);
    OverlayReader overlay(reader, head, size - 32);
    TrackState other;
    ParseEmbeddedTrack(overlay, true, other);
    CheckTrack(other);
  }
  return 0;
}
