#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/civil_time.h"

namespace direvovu::display {

// Hours, minutes and seconds of a play time: "%02d%02d%02d" of s / 3600, (s mod 3600) / 60
// and s mod 60 with s the whole seconds.
std::string PlayTimeStamp(std::int64_t playMs);

// "<folder>/<recording file name>_HHMMSS.png": the recording keeps its own extension, so
// drf0_20090807_142530.mp4 at 65 s gives drf0_20090807_142530.mp4_000105.png.
std::filesystem::path VideoCaptureFile(const std::filesystem::path& folder,
                                       const std::filesystem::path& recording, std::int64_t playMs);

// "<folder>/YYYYMMDD_HHMMSS.bmp" for a capture of the map or the driving-log window.
std::filesystem::path WindowCaptureFile(const std::filesystem::path& folder, const CivilTime& now);

// The fixed picture file that printing goes through (deleted after each print).
inline constexpr const char* kPrintPictureName = "BlackBox_Capture.png";
std::filesystem::path PrintPictureFile(const std::filesystem::path& tempFolder);

}  // namespace direvovu::display
