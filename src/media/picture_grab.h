#pragma once

#include <optional>

#include "core/export/incident_facts.h"
#include "media/evidence_export.h"

namespace direvovu::media {

// The size of a recording's pictures; nullopt when it cannot be read as one.
struct VideoSize {
  int width = 0;
  int height = 0;
};
std::optional<VideoSize> VideoSizeOf(const MediaInput& input);

// The picture a player shows at `seconds` (the last frame at or before it, or the first
// one), scaled to at most `max_width` pixels wide; empty when the recording cannot be read.
exporting::RgbPicture GrabPicture(const MediaInput& input, double seconds, int max_width);

}  // namespace direvovu::media
