// The evidence export of a 30-second span of the benchmarks' 60-second 1280 x 720
// 12 Mbit/s pair, side by side with an overlay script, against the ffmpeg program
// running the same graph with the same encoder settings, in the same process run and
// alternating which goes first. Goal: the export within 1.05 x ffmpeg's time.
//   export_bench [FOLDER] [RUNS]   (FOLDER: $DIREVOVU_BENCH_DIR or the system temp
//                                   folder; the pair is made there once and kept)
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "media/evidence_export.h"

namespace fs = std::filesystem;
using direvovu::bench::Median;
using direvovu::bench::Seconds;

namespace {

constexpr double kFrom = 15;
constexpr double kSpan = 30;

struct Pair {
  fs::path front;
  fs::path rear;
};

// Processor seconds (user and system, all threads) of this process or of its finished
// children: on a shared machine they vary less than the wall clock.
double ProcessorSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool Run(const std::string& command) {
  const bool ok = std::system(command.c_str()) == 0;
  if (!ok) std::fprintf(stderr, "export_bench: failed: %s\n", command.c_str());
  return ok;
}

Pair MakePair(const fs::path& folder) {
  const Pair pair{folder / "drf0_20120314_090507.mp4", folder / "drf1_20120314_090507.mp4"};
  if (fs::exists(pair.front) && fs::exists(pair.rear)) return pair;
  std::printf("making the 60 s 1280x720 12 Mbit/s pair in %s\n", folder.c_str());
  Run(std::string(DIREVOVU_BINARY_DIR "/direvovu-sample recording --out '") + folder.string() +
      "' --start 2012-03-14T09:05:07 --seconds 60 --size 1280x720 --bitrate 12M > /dev/null");
  return pair;
}

// The kind of overlay the export burns in: a line of time, speed and place a second.
fs::path WriteOverlay(const fs::path& folder) {
  const fs::path file = folder / "overlay.ass";
  std::ofstream out(file);
  out << "[Script Info]\nScriptType: v4.00+\nPlayResX: 2560\nPlayResY: 720\n\n[V4+ Styles]\n"
         "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
         "Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, "
         "Alignment, "
         "MarginL, MarginR, MarginV, Encoding\n"
         "Style: Line,Noto Sans CJK "
         "KR,36,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,0,0,0,0,100,100,0,0,3,2,0,1,"
         "24,24,24,1\n\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, "
         "Text\n";
  for (int s = 0; s < static_cast<int>(kSpan); ++s) {
    char line[256];
    std::snprintf(line, sizeof line,
                  "Dialogue: 0,0:00:%02d.00,0:00:%02d.00,Line,,0,0,0,,2012-03-14 09:05:%02d  %d km/h  "
                  "37.5665N 126.9780E  서울\n",
                  s, s + 1, 22 + s, 40 + s % 7);
    out << line;
  }
  return file;
}

std::string FfmpegCommand(const Pair& pair, const fs::path& overlay, const fs::path& output) {
  const std::string from = std::to_string(static_cast<int>(kFrom));
  return "ffmpeg -nostdin -hide_banner -loglevel error -y -ss " + from + " -i '" + pair.front.string() +
         "' -ss " + from + " -i '" + pair.rear.string() + "' -t " + std::to_string(static_cast<int>(kSpan)) +
         " -filter_complex '[0:v][1:v]hstack=inputs=2,ass=filename=" + overlay.string() +
         ",format=yuv420p[v]' -map '[v]' -map 0:a -c:v libx264 -preset veryfast -crf 20 -c:a aac -b:a 128k"
         " -movflags +faststart '" +
         output.string() + "'";
}

direvovu::media::ExportRequest Request(const Pair& pair, const fs::path& overlay, const fs::path& output) {
  direvovu::media::ExportRequest request;
  request.front.file = pair.front;
  request.rear = direvovu::media::MediaInput{pair.rear, {}};
  request.from_seconds = kFrom;
  request.to_seconds = kFrom + kSpan;
  request.layout = direvovu::media::ExportLayout::SideBySide;
  request.overlay_script = overlay;
  request.output = output;
  return request;
}

}  // namespace

int main(int argc, char** argv) {
  const char* base = std::getenv("DIREVOVU_BENCH_DIR");
  const fs::path folder =
      argc > 1 ? fs::path(argv[1])
               : (base != nullptr ? fs::path(base) : fs::temp_directory_path()) / "direvovu-export-bench";
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  direvovu::media::QuietMediaLibraryLogs();  // as ffmpeg runs with -loglevel error
  fs::create_directories(folder);
  const Pair pair = MakePair(folder);
  const fs::path overlay = WriteOverlay(folder);
  const auto request = Request(pair, overlay, folder / "ours.mp4");
  const std::string ffmpeg = FfmpegCommand(pair, overlay, folder / "theirs.mp4");
  std::printf("ffmpeg: %s\n", ffmpeg.c_str());

  std::vector<double> ours;
  std::vector<double> theirs;
  std::vector<double> ratios;
  std::vector<double> processor_ratios;
  for (int run = 0; run < runs; ++run) {
    double our = 0;
    double their = 0;
    double our_processor = 0;
    double their_processor = 0;
    const auto export_ours = [&] {
      const double before = ProcessorSeconds(RUSAGE_SELF);
      our = Seconds([&] {
        const auto result = direvovu::media::ExportEvidenceVideo(request);
        if (!result.ok) std::fprintf(stderr, "export_bench: %s\n", result.message.c_str());
      });
      our_processor = ProcessorSeconds(RUSAGE_SELF) - before;
    };
    const auto export_theirs = [&] {
      const double before = ProcessorSeconds(RUSAGE_CHILDREN);
      their = Seconds([&] { Run(ffmpeg); });
      their_processor = ProcessorSeconds(RUSAGE_CHILDREN) - before;
    };
    // Alternate which goes first so neither always meets the other's page cache.
    if (run % 2 == 0) {
      export_ours();
      export_theirs();
    } else {
      export_theirs();
      export_ours();
    }
    ours.push_back(our);
    theirs.push_back(their);
    ratios.push_back(our / their);
    processor_ratios.push_back(our_processor / their_processor);
    std::printf(
        "run %d: export %.2f s, ffmpeg %.2f s, ratio %.3f, real-time factor %.3f (ffmpeg %.3f); "
        "processor %.1f s vs %.1f s, ratio %.3f\n",
        run + 1, our, their, our / their, our / kSpan, their / kSpan, our_processor, their_processor,
        our_processor / their_processor);
  }
  std::printf(
      "median: export %.2f s, ffmpeg %.2f s, ratio %.3f, real-time factor %.3f (ffmpeg %.3f); "
      "processor time ratio %.3f\n",
      Median(ours), Median(theirs), Median(ratios), Median(ours) / kSpan, Median(theirs) / kSpan,
      Median(processor_ratios));
  return 0;
}
