#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/recording/track_state.h"
#include "media/evidence_export.h"
#include "media/incident_export.h"

namespace direvovu::media {

// A pair opened for the export: each recording as the demuxer reads it (scrambled ones with
// their header decrypted in memory), its track and its length.
struct IncidentInputs {
  MediaInput front;
  std::optional<MediaInput> rear;
  std::filesystem::path rear_path;  // the rear recording on disk, when there is one
  TrackState track;
  double length_seconds = 0;
};

struct OpenedInputs {
  std::optional<IncidentInputs> inputs;
  IncidentEnd end = IncidentEnd::BadInput;  // why there are none
  std::string message;
};

// Unlocks the pair as the viewer does (the rear with its own key once the front opened)
// and reads its track and length from the recording's own boxes.
OpenedInputs OpenIncidentInputs(const std::filesystem::path& front,
                                const std::optional<std::string>& password);

}  // namespace direvovu::media
