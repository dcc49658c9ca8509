#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/evidence_export.h"

namespace direvovu::media {

// The cues as the timed-text track carries them: in time order, moved `shift_ms` earlier
// (the first exported picture comes up to a frame after the span start), cut to
// [0, length_ms), cues that start together joined into one (a track shows one sample at a
// time, each starting strictly after the one before).
std::vector<SubtitleCue> ArrangeCues(const std::vector<SubtitleCue>& cues, std::int64_t shift_ms,
                                     std::int64_t length_ms);

// A cue's text as the Text field of an ASS dialogue line, which the timed-text encoder
// reads: line breaks become \N, and a word joiner (U+2060) keeps a literal "\n", "\N"
// or "{\" of the text from being read as a line break or an override block.
std::string AssDialogueText(std::string_view text);

}  // namespace direvovu::media
