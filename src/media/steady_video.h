#pragma once

#include <optional>
#include <string>

namespace direvovu::media {

struct PictureFormat {
  int width = 0;
  int height = 0;
  int pixel_format = -1;
  bool operator==(const PictureFormat&) const = default;
};

// Watches the decoded pictures of one recording: the export writes one constant-rate
// video of one size, so a recording whose size, pixel format or frame rate changes
// midway is refused rather than written wrong. The rate is the one its first two
// pictures show, whatever the container claims.
class SteadyVideo {
 public:
  // The change this picture brings ("changes its picture size at 3.40 s"), or nullopt.
  std::optional<std::string> Next(const PictureFormat& format, double seconds);

 private:
  std::optional<PictureFormat> first_;
  std::optional<double> step_;
  std::optional<double> last_seconds_;
};

}  // namespace direvovu::media
