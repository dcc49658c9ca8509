#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/io/byte_reader.h"
#include "core/recording/track_state.h"
#include "core/settings/texts.h"

namespace direvovu {

// Outcome of reading a recording's embedded track. Only Loaded lets the channel play;
// Unreadable is a file that could not be opened at all.
enum class ParseResult : int { Rejected = 0, TrackDamaged = 1, Loaded = 2, Unreadable = 3 };

struct TrackParseOutcome {
  ParseResult result = ParseResult::Rejected;
  // Movie length from the movie header, in ms; 0 when the header was not reached.
  std::uint64_t durationMs = 0;

  [[nodiscard]] bool Loaded() const { return result == ParseResult::Loaded; }
};

// Checks that the bytes are a recording as the camera lays it out (ftyp, mdat, moov
// with a movie header, then the track box) and, with fullParse, reads the track box
// into `track`. A track box whose second child is not a sensor box gives Loaded with
// an empty track. Nothing is read or allocated beyond what the reader holds; after a
// failure the track keeps what had been stored up to that point.
TrackParseOutcome ParseEmbeddedTrack(ByteReader& reader, bool fullParse, TrackState& track);

// The same for a file (a decoded working copy); a file that cannot be opened gives
// Unreadable.
TrackParseOutcome ParseEmbeddedTrack(const std::filesystem::path& path, bool fullParse, TrackState& track);

// What the user is told of a parse with the recording's path: "illegal file" for a
// refused or damaged one, "can't open" for one that could not be read; nothing once loaded.
std::optional<MessageId> ParseMessage(ParseResult result);

// Which recording a parse message names: the front recording the user opened when the
// working copy's file name has "Front" after its first character, the rear one otherwise.
const std::filesystem::path& TrackMessageSubject(const std::filesystem::path& workingCopy,
                                                 const std::filesystem::path& frontRecording,
                                                 const std::filesystem::path& rearRecording);

enum class TrackChannel { None, Front, Rear };

// Result of reading the track of a front/rear pair.
struct PairTrackOutcome {
  std::optional<TrackParseOutcome> front;  // nullopt: the channel does not exist
  std::optional<TrackParseOutcome> rear;
  bool frontPlayable = false;
  bool rearPlayable = false;
  TrackChannel shown = TrackChannel::None;  // whose track was read into the state

  [[nodiscard]] bool Loaded() const { return frontPlayable || rearPlayable; }
};

// The front track is read in full; when it loads, the rear is only checked, otherwise
// the rear is read in full and its track is shown. A lone channel is read in full.
// A null reader means that channel does not exist.
PairTrackOutcome ParseTrackOfPair(ByteReader* front, ByteReader* rear, TrackState& track);

// The same over working-copy files; an empty path means that channel does not exist.
PairTrackOutcome ParseTrackOfPair(const std::filesystem::path& front, const std::filesystem::path& rear,
                                  TrackState& track);

}  // namespace direvovu
