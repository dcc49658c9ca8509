#include "core/display/capture_names.h"

#include <cstdio>
#include <ctime>

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

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::filesystem::path WindowCaptureFile(const std::filesystem::path& folder, const LocalDateTime& now) {
  char name[96];
  std::snprintf(name, sizeof(name), "%d%02d%02d_%02d%02d%02d.bmp", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  return folder / name;
}

std::filesystem::path PrintPictureFile(const std::filesystem::path& tempFolder) {
  return tempFolder / kPrintPictureName;
}

}  // namespace direvovu::display
