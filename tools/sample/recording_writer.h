#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <stdexcept>
#include <vector>

#include "recording_options.h"

namespace direvovu::sample {

class WriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Rearranges the MP4 file at path in place into the camera's layout and appends the track
// box; returns the movie duration in milliseconds. Only the ftyp and the movie header are
// rewritten, so a long mdat is never read or copied.
std::uint32_t ApplyCameraLayoutToFile(const std::filesystem::path& path,
                                      std::span<const std::uint8_t> track_box);

// Makes the front (and rear) recording described by the options and returns their paths.
// Each file is finished under a temporary name and renamed only when every channel is
// done, so a failure leaves no half file behind. Notes (a missing font) go to warnings.
std::vector<std::filesystem::path> WriteRecordings(const RecordingOptions& options, std::ostream& warnings);

}  // namespace direvovu::sample
