#include "media_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "temp_folder.h"

namespace direvovu::media::test {
namespace {

std::string Quoted(const std::string& argument) {
  std::string quoted = "'";
  for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The libraries' notes would bury a failure's message in the test log.
class QuietLibraries : public testing::Environment {
 public:
  void SetUp() override { QuietMediaLibraryLogs(); }
};
[[maybe_unused]] testing::Environment* const kQuietLibraries =
    testing::AddGlobalTestEnvironment(new QuietLibraries);

const TempFolder& Root() {
  static const TempFolder root;
  return root;
}

SamplePair MakePair(const std::string& name, const std::vector<std::string>& extra) {
  const fs::path folder = Root() / name;
  std::vector<std::string> arguments{DIREVOVU_BINARY_DIR "/direvovu-sample",
                                     "recording",
                                     "--out",
                                     folder.string(),
                                     "--start",
                                     "2012-03-14T09:05:07",
                                     "--seconds",
                                     "3",
                                     "--size",
                                     "160x96",
                                     "--fps",
                                     "10"};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  if (RunCommand(arguments).exit_code != 0) return {};
  return {folder / "drf0_20120314_090507.mp4", folder / "drf1_20120314_090507.mp4"};
}

std::vector<std::string> TopLevelBoxes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> boxes;
  const auto length = static_cast<std::uint64_t>(fs::file_size(file));
  for (std::uint64_t at = 0; at + 8 <= length;) {
    unsigned char header[16] = {};
    in.seekg(static_cast<std::streamoff>(at));
    in.read(reinterpret_cast<char*>(header), sizeof header);
    std::uint64_t size = 0;
    for (int i = 0; i < 4; ++i) size = size << 8 | header[i];
    if (size == 1)
      for (int i = 8; i < 16; ++i) size = size << 8 | header[i];
    if (size < 8) break;
    boxes.emplace_back(reinterpret_cast<const char*>(header) + 4, 4);
    at += size;
  }
  return boxes;
}

ProbedStream StreamOf(const nlohmann::json& s) {
  ProbedStream stream;
  stream.type = s.value("codec_type", "");
  stream.codec = s.value("codec_name", "");
  stream.pixel_format = s.value("pix_fmt", "");
  stream.width = s.value("width", 0);
  stream.height = s.value("height", 0);
  stream.frames = std::stol(s.value("nb_read_frames", "0"));
  stream.duration = std::stod(s.value("duration", "0"));
  stream.frame_rate = s.value("avg_frame_rate", "");
  return stream;
}

}  // namespace

CommandResult RunCommand(const std::vector<std::string>& arguments) {
  std::string line;
  for (const auto& a : arguments) line += Quoted(a) + " ";
  CommandResult result;
  FILE* pipe = popen(line.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

const SamplePair& PlainPair() {
  static const SamplePair pair = MakePair("plain", {});
  return pair;
}

const SamplePair& ScrambledPair() {
  static const SamplePair pair = MakePair("scrambled", {"--password", kSamplePassword});
  return pair;
}

const SamplePair& SilentPair() {
  static const SamplePair pair = MakePair("silent", {"--no-audio"});
  return pair;
}

const SamplePair& FastRearPair() {
  static const SamplePair pair = [] {
    const fs::path rear = Root() / "fast-rear.mp4";
    RunCommand({"ffmpeg", "-v", "error", "-i", PlainPair().rear.string(), "-vf", "fps=20", "-c:v", "libx264",
                "-g", "20", rear.string()});
    return SamplePair{PlainPair().front, rear};
  }();
  return pair;
}

fs::path FreshFolder() {
  static int count = 0;
  const fs::path folder = Root() / ("case" + std::to_string(++count));
  fs::create_directories(folder);
  return folder;
}

std::vector<std::string> FolderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

ExportRequest SpanRequest(const SamplePair& pair, ExportLayout layout, const fs::path& output) {
  ExportRequest request;
  request.front.file = pair.front;
  request.rear = MediaInput{pair.rear, {}};
  request.from_seconds = kFrom;
  request.to_seconds = kTo;
  request.layout = layout;
  request.output = output;
  return request;
}

const ProbedStream* Probe::Find(const std::string& type) const {
  for (const auto& stream : streams)
    if (stream.type == type) return &stream;
  return nullptr;
}

Probe ProbeFile(const fs::path& file) {
  const CommandResult run = RunCommand({"ffprobe", "-v", "error", "-show_streams", "-show_format",
                                        "-count_frames", "-of", "json", file.string()});
  Probe probe;
  if (run.exit_code != 0) return probe;
  const auto json = nlohmann::json::parse(run.output);
  for (const auto& s : json.at("streams")) probe.streams.push_back(StreamOf(s));
  const nlohmann::json& format = json.at("format");
  if (format.contains("tags"))
    for (const auto& [key, value] : format.at("tags").items()) probe.tags[key] = value.get<std::string>();
  probe.top_boxes = TopLevelBoxes(file);
  return probe;
}

}  // namespace direvovu::media::test

namespace direvovu::media::test {
namespace {

std::string GrayPicture(const fs::path& file, double seconds, const std::string& filter) {
  return RunCommand({"ffmpeg", "-v", "error", "-ss", std::to_string(seconds), "-i", file.string(),
                     "-frames:v", "1", "-vf", filter, "-f", "rawvideo", "-pix_fmt", "gray", "-"})
      .output;
}

}  // namespace

std::string Crop(Box box) {
  return "crop=" + std::to_string(box.width) + ":" + std::to_string(box.height) + ":" +
         std::to_string(box.x) + ":" + std::to_string(box.y);
}

double PictureDifference(const fs::path& exported, Box box, const fs::path& recording, double seconds,
                         Box part) {
  const std::string scale = "scale=" + std::to_string(box.width) + ":" + std::to_string(box.height);
  const std::string a = GrayPicture(exported, 0, Crop(box));
  const std::string b = GrayPicture(recording, seconds, part.width > 0 ? Crop(part) + "," + scale : scale);
  if (a.empty() || a.size() != b.size()) return 255;
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    sum += std::abs(static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]));
  return sum / static_cast<double>(a.size());
}

std::vector<int> PixelOfFirstPicture(const fs::path& file, int x, int y) {
  const std::string pixel =
      RunCommand({"ffmpeg", "-v", "error", "-i", file.string(), "-frames:v", "1", "-vf",
                  "format=rgb24,crop=1:1:" + std::to_string(x) + ":" + std::to_string(y), "-f", "rawvideo",
                  "-pix_fmt", "rgb24", "-"})
          .output;
  std::vector<int> rgb;
  for (const char c : pixel) rgb.push_back(static_cast<unsigned char>(c));
  return rgb;
}

}  // namespace direvovu::media::test
