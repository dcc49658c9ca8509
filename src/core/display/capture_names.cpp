#include "core/display/capture_names.h"

#include <cstdio>

namespace direvovu::display {

std::string PlayTimeStamp(std::int64_t playMs) {
  const std::int64_t s = playMs > 0 ? playMs / 1000 : 0;
  char text[64];
  std::snprintf(text, sizeof(text), "%02lld%02lld%02lld", static_cast<long long>(s / 3600),
                static_cast<long long>((s % 3600) / 60), static_cast<long long>(s % 60));
  return text;
}

std::filesystem::path VideoCaptureFile(const std::filesystem::path& folder,
                                       const std::filesystem::path& recording, std::int64_t playMs) {
  std::string name = recording.filename().string();
  name += '_';
  name += PlayTimeStamp(playMs);
  name += ".png";
  return folder / name;
}

std::filesystem::path WindowCaptureFile(const std::filesystem::path& folder, const CivilTime& now) {
  char name[96];
  std::snprintf(name, sizeof(name), "%d%02d%02d_%02d%02d%02d.bmp", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  return folder / name;
}

std::filesystem::path PrintPictureFile(const std::filesystem::path& tempFolder) {
  return tempFolder / kPrintPictureName;
}

}  // namespace direvovu::display
