#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace direvovu::sample {

// ffmpeg is missing or could not make the clip.
class EncodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kLabelFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct EncodeOptions {
  std::string channel_name;  // "FRONT" or "REAR", drawn on the picture
  int width = 640;
  int height = 360;
  int fps = 30;
  int seconds = 1;
  std::int64_t clock_start = 0;  // seconds since the epoch shown by the running clock
  std::string bitrate;           // empty: x264's own rate control; else CBR with filler
  std::string preset = "ultrafast";
  bool audio = false;     // a quiet ticking tone, so the volume control has something to act on
  bool mirror = false;    // the rear lens sees the road behind, mirrored
  bool draw_text = true;  // false when drawtext or the font is missing
};

// The ffmpeg program: $DIREVOVU_FFMPEG when set, else "ffmpeg" from the PATH.
std::string FfmpegProgram();

// Arguments after the program name for one clip written to output as MP4, moov at the end.
std::vector<std::string> BuildFfmpegArguments(const EncodeOptions& options,
                                              const std::filesystem::path& output);

// Whether this ffmpeg has the drawtext filter and the label font exists.
bool CanDrawText(const std::string& program);

// Runs ffmpeg and waits for it; throws EncodeError when it cannot be started or fails.
void RunFfmpeg(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace direvovu::sample
