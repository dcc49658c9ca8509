#pragma once

#include <cstdint>
#include <string>

#include "core/library/point_segment.h"
#include "core/library/recording_facts.h"
#include "core/library/sqlite_db.h"

namespace direvovu::library {

// Box ids (and the ids of the segments they hold) are the recording's id times this plus the box's number (a
// track of kMaxTrackRecords points has fewer boxes than this).
inline constexpr std::int64_t kBoxesPerRecording = 1024;

// Writes recordings into the index with statements prepared once; every call belongs to
// the caller's transaction.
class RecordingWriter {
 public:
  explicit RecordingWriter(SqliteDb& db);

  // Replaces whatever was indexed for the facts' front path.
  void Store(const RecordingFacts& facts);
  void SetMissing(const std::string& frontPath, bool missing);

 private:
  void RemoveTrack(std::int64_t id, std::int64_t boxCount);
  void StoreTrack(std::int64_t id, const RecordingFacts& facts);

  SqliteDb& db_;
  Statement find_;
  Statement insert_;
  Statement update_;
  Statement segment_;
  Statement moment_;
  Statement box_;
  Statement forgetSegments_;
  Statement forgetMoments_;
  Statement forgetBox_;
  Statement missing_;
};

}  // namespace direvovu::library
