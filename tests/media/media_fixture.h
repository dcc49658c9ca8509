#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "media/evidence_export.h"

namespace direvovu::media::test {

namespace fs = std::filesystem;

// The output of a program run to its end (standard error is left to the test's log).
struct CommandResult {
  int exit_code = -1;
  std::string output;
};
CommandResult RunCommand(const std::vector<std::string>& arguments);

struct SamplePair {
  fs::path front;
  fs::path rear;
};

// Made once for the whole run by direvovu-sample: 3 seconds, 160 x 96, 10 frames a
// second with a key frame each second, sound on the front.
const SamplePair& PlainPair();
// The same, scrambled with kSamplePassword.
const SamplePair& ScrambledPair();
// The same without sound.
const SamplePair& SilentPair();
// The plain pair's front with its rear at 20 frames a second.
const SamplePair& FastRearPair();
inline constexpr const char* kSamplePassword = "abc123";
// A fresh empty folder of the test's own.
fs::path FreshFolder();
std::vector<std::string> FolderNames(const fs::path& folder);

// The span every export test takes: frames at 0.6 .. 1.7 s, the first half a second
// after a key frame.
inline constexpr double kFrom = 0.55;
inline constexpr double kTo = 1.75;
inline constexpr long kSpanFrames = 12;
ExportRequest SpanRequest(const SamplePair& pair, ExportLayout layout, const fs::path& output);

struct ProbedStream {
  std::string type;
  std::string codec;
  std::string pixel_format;
  int width = 0;
  int height = 0;
  long frames = 0;
  double duration = 0;
  std::string frame_rate;  // "10/1"
};
struct Probe {
  std::vector<ProbedStream> streams;
  std::map<std::string, std::string> tags;
  std::vector<std::string> top_boxes;  // "ftyp", "moov", …
  const ProbedStream* Find(const std::string& type) const;
};
// ffprobe -show_streams -show_format -count_frames of a file, and its top-level boxes.
Probe ProbeFile(const fs::path& file);

}  // namespace direvovu::media::test

namespace direvovu::media::test {

// A rectangle of a picture; a width of 0 means none.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
// Mean absolute difference (0..255) between the first picture of `exported`, cut to
// `box`, and the picture of `recording` at `seconds` (its `part`, or all of it when the
// part is empty), scaled to the box's size.
double PictureDifference(const fs::path& exported, Box box, const fs::path& recording, double seconds,
                         Box part);
// Red, green and blue of one pixel of a file's first picture.
std::vector<int> PixelOfFirstPicture(const fs::path& file, int x, int y);

}  // namespace direvovu::media::test
