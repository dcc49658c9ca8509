#include "recording_writer.h"

#include <fstream>
#include <string>

#include "drive_simulation.h"
#include "event_text.h"
#include "ffmpeg_encode.h"
#include "mp4_layout.h"
#include "scramble.h"
#include "track_box.h"

namespace direvovu::sample {
namespace {

namespace fs = std::filesystem;

char* AsChars(std::span<std::uint8_t> bytes) { return reinterpret_cast<char*>(bytes.data()); }

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): offset before size, as reads go
std::vector<std::uint8_t> ReadRange(std::fstream& file, std::uint64_t offset, std::uint64_t size) {
  std::vector<std::uint8_t> bytes(size);
  file.seekg(static_cast<std::streamoff>(offset));
  if (!file.read(AsChars(bytes), static_cast<std::streamsize>(size)))
    throw WriteError("reading ffmpeg's output failed");
  return bytes;
}

void WriteRange(std::fstream& file, std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  file.seekp(static_cast<std::streamoff>(offset));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Removes the temporary files of a run unless it got as far as renaming them.
class TemporaryFiles {
 public:
  TemporaryFiles() = default;
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;
  ~TemporaryFiles() {
    std::error_code ignored;
    for (const auto& path : paths_) fs::remove(path, ignored);
  }
  void Add(const fs::path& path) { paths_.push_back(path); }
  void Release() { paths_.clear(); }

 private:
  std::vector<fs::path> paths_;
};

std::vector<DriveSecond> MakeDrive(const RecordingOptions& options) {
  DriveOptions drive;
  drive.seconds = options.seconds;
  drive.seed = options.seed;
  drive.start = options.gps_start;
  drive.no_fix_seconds = options.no_fix_seconds;
  drive.impact = options.impact;
  drive.parked = options.parked;
  drive.offset_seconds = options.drive_offset_seconds;
  return SimulateDrive(drive);
}

std::vector<std::uint8_t> MakeTrackBox(const RecordingOptions& options,
                                       const std::vector<DriveSecond>& drive) {
  const auto first_second = static_cast<std::uint32_t>(SecondsSinceEpoch(options.start));
  return BuildTrackBox(MakeTrackRecords(drive, first_second));
}

// The camera logs an impact in an event text file beside the recording.
void WriteEventText(const RecordingOptions& options, const std::vector<DriveSecond>& drive) {
  const fs::path file = options.out_dir / EventTextFileName(options.start);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << EventTextOf(options.start, drive, options.seconds / 2);
  if (!out) throw WriteError("writing " + file.string() + " failed");
}

void MakeChannel(const RecordingOptions& options, int channel, bool draw_text,
                 std::span<const std::uint8_t> track_box, const fs::path& temporary) {
  EncodeOptions encode;
  encode.channel_name = channel == 0 ? "FRONT" : "REAR";
  encode.width = options.width;
  encode.height = options.height;
  encode.fps = options.fps;
  encode.seconds = options.seconds;
  encode.clock_start = SecondsSinceEpoch(options.start);
  encode.bitrate = options.bitrate;
  encode.preset = options.preset;
  encode.audio = options.audio && channel == 0;  // the front player carries the sound
  encode.mirror = channel == 1;
  encode.draw_text = draw_text;
  RunFfmpeg(FfmpegProgram(), BuildFfmpegArguments(encode, temporary));
  ApplyCameraLayoutToFile(temporary, track_box);
  if (!options.password.empty()) ScrambleRecordingFile(temporary, options.password);
}

}  // namespace

std::uint32_t ApplyCameraLayoutToFile(const fs::path& path, std::span<const std::uint8_t> track_box) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) throw WriteError("cannot open ffmpeg's output " + path.string());
  const std::uint64_t size = fs::file_size(path);
  const ReadAt read = [&file](std::uint64_t offset, std::span<std::uint8_t> out) {
    file.seekg(static_cast<std::streamoff>(offset));
    return static_cast<bool>(file.read(AsChars(out), static_cast<std::streamsize>(out.size())));
  };
  const LayoutPlan plan = PlanCameraLayout(WalkTopLevelBoxes(read, size));

  const std::vector<std::uint8_t> head =
      FoldFillerIntoFtyp(ReadRange(file, 0, plan.ftyp.size + plan.filler_bytes));
  std::vector<std::uint8_t> moov = ReadRange(file, plan.moov.offset, plan.moov.size);
  const std::uint32_t duration_ms = NormaliseMovieHeader(moov);
  WriteRange(file, 0, head);
  WriteRange(file, plan.moov.offset, moov);
  WriteRange(file, size, track_box);
  file.flush();
  if (!file) throw WriteError("writing " + path.string() + " failed");
  return duration_ms;
}

std::vector<fs::path> WriteRecordings(const RecordingOptions& options, std::ostream& warnings) {
  fs::create_directories(options.out_dir);
  const std::vector<DriveSecond> drive = MakeDrive(options);
  const std::vector<std::uint8_t> track_box = MakeTrackBox(options, drive);
  const bool draw_text = CanDrawText(FfmpegProgram());
  if (!draw_text)
    warnings << "direvovu-sample: warning: drawtext or " << kLabelFont << " missing; no labels drawn\n";

  TemporaryFiles temporaries;
  std::vector<fs::path> finals, partials;
  for (int channel = 0; channel < (options.rear ? 2 : 1); ++channel) {
    const std::string name = RecordingFileName(channel, options.start);
    finals.push_back(options.out_dir / name);
    // A hidden name that no recording test accepts, in the same folder so the rename is atomic.
    partials.push_back(options.out_dir / ("." + name + ".part"));
    temporaries.Add(partials.back());
    MakeChannel(options, channel, draw_text, track_box, partials.back());
  }
  for (std::size_t i = 0; i < finals.size(); ++i) fs::rename(partials[i], finals[i]);
  temporaries.Release();
  if (options.impact) {
    WriteEventText(options, drive);
    finals.push_back(options.out_dir / EventTextFileName(options.start));
  }
  if (const fs::path rear = options.out_dir / RecordingFileName(1, options.start);
      !options.rear && fs::exists(rear)) {
    warnings << "direvovu-sample: warning: " << rear.string() << " from an earlier run is still there\n";
  }
  return finals;
}

}  // namespace direvovu::sample
