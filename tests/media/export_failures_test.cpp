// Exports that cannot be finished: cancelled, damaged recordings, targets that cannot
// take the file. Each says why in a sentence and leaves no file behind.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <random>

#include "file_size_limit.h"
#include "media_fixture.h"

namespace direvovu::media::test {
namespace {

void ExpectRefused(const ExportResult& result, const std::string& reason, const fs::path& folder) {
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find(reason), std::string::npos) << result.message;
  EXPECT_TRUE(FolderNames(folder).empty()) << FolderNames(folder).front();
}

TEST(ExportFailures, CancelledExportLeavesNoFile) {
  const fs::path folder = FreshFolder();
  std::atomic<bool> cancel{false};
  const ExportResult result = ExportEvidenceVideo(
      SpanRequest(PlainPair(), ExportLayout::SideBySide, folder / "x.mp4"), [&](double) { cancel = true; },
      &cancel);
  ExpectRefused(result, "cancelled", folder);
}

TEST(ExportFailures, RequestsAreRefusedBeforeAnyWork) {
  const struct {
    const char* name;
    void (*change)(ExportRequest& request);
    const char* reason;
  } cases[] = {
      {"empty span", [](ExportRequest& r) { r.to_seconds = r.from_seconds; }, "empty"},
      {"before the start", [](ExportRequest& r) { r.from_seconds = -1; }, "not a span"},
      {"after the end", [](ExportRequest& r) { r.to_seconds = 3.5; }, "after the end of the front recording"},
      {"cue ends first",
       [](ExportRequest& r) {
         r.cues = {{0, 10, "a"}, {500, 400, "b"}};
       },
       "Subtitle 2"},
      {"no overlay", [](ExportRequest& r) { r.overlay_script = "/nonexistent.ass"; }, "cannot be read"},
      {"creation time", [](ExportRequest& r) { r.creation_time = "yesterday"; }, "ISO 8601"},
      {"location", [](ExportRequest& r) { r.location = "37.5665, 126.9780"; }, "ISO 6709"},
      {"rear alone without a rear",
       [](ExportRequest& r) {
         r.layout = ExportLayout::Rear;
         r.rear.reset();
       },
       "needs a rear recording"},
  };
  for (const auto& c : cases) {
    const fs::path folder = FreshFolder();
    ExportRequest request = SpanRequest(PlainPair(), ExportLayout::SideBySide, folder / "x.mp4");
    c.change(request);
    SCOPED_TRACE(c.name);
    ExpectRefused(ExportEvidenceVideo(request), c.reason, folder);
  }
}

fs::path CopyOfFront(const fs::path& folder) {
  fs::copy_file(PlainPair().front, folder / "front.mp4");
  return folder / "front.mp4";
}

void Overwrite(const fs::path& file, std::uint64_t at, std::size_t bytes) {
  std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
  out.seekp(static_cast<std::streamoff>(at));
  std::mt19937 noise(7);
  for (std::size_t i = 0; i < bytes; ++i) out.put(static_cast<char>(noise()));
}

// The position of the key frame at `seconds` in the file.
std::uint64_t KeyFrameAt(const fs::path& file, double seconds) {
  const std::string line = RunCommand({"ffprobe", "-v", "error", "-select_streams", "v", "-read_intervals",
                                       std::to_string(seconds) + "%+#1", "-show_entries", "packet=pos", "-of",
                                       "csv=p=0", file.string()})
                               .output;
  return std::stoull(line);
}

fs::path Encoded(const fs::path& folder, const std::vector<std::string>& middle, const std::string& name) {
  std::vector<std::string> arguments{"ffmpeg", "-v", "error", "-y"};
  arguments.insert(arguments.end(), middle.begin(), middle.end());
  arguments.push_back((folder / name).string());
  EXPECT_EQ(RunCommand(arguments).exit_code, 0) << name;
  return folder / name;
}

fs::path Segment(const fs::path& folder, const std::string& size) {
  return Encoded(folder,
                 {"-f", "lavfi", "-i", "testsrc2=s=" + size + ":r=10", "-t", "1.5", "-c:v", "libx264", "-g",
                  "10", "-bf", "0", "-f", "h264"},
                 size + ".h264");
}

struct DamageCase {
  const char* name;
  fs::path (*make)(const fs::path& folder);
  const char* reason;
};

class DamagedRecordings : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedRecordings, AreRefusedWithTheirReason) {
  const fs::path inputs = FreshFolder();
  const fs::path folder = FreshFolder();
  ExportRequest request = SpanRequest(PlainPair(), ExportLayout::Front, folder / "export.mp4");
  request.front.file = GetParam().make(inputs);
  request.rear.reset();
  ExpectRefused(ExportEvidenceVideo(request), GetParam().reason, folder);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedRecordings,
    testing::Values(
        DamageCase{"CutInHalf",
                   [](const fs::path& folder) {
                     const fs::path file = CopyOfFront(folder);
                     fs::resize_file(file, fs::file_size(file) / 2);
                     return file;
                   },
                   "truncated or not a recording"},
        DamageCase{"IndexFirstCutShort",
                   [](const fs::path& folder) {
                     const fs::path file = Encoded(
                         folder, {"-i", PlainPair().front.string(), "-c", "copy", "-movflags", "+faststart"},
                         "i.mp4");
                     fs::resize_file(file, fs::file_size(file) * 2 / 5);
                     return file;
                   },
                   "truncated"},
        DamageCase{"KeyFrameOverwritten",
                   [](const fs::path& folder) {
                     const fs::path file = CopyOfFront(folder);
                     Overwrite(file, KeyFrameAt(file, 1.0) + 40, 400);
                     return file;
                   },
                   "damaged"},
        DamageCase{"ScrambledWithoutPlainHeader", [](const fs::path&) { return ScrambledPair().front; },
                   "truncated or not a recording"},
        DamageCase{"SizeChangesMidway",
                   [](const fs::path& folder) {
                     const fs::path both = folder / "both.h264";
                     std::ofstream(both, std::ios::binary)
                         << std::ifstream(Segment(folder, "160x96"), std::ios::binary).rdbuf()
                         << std::ifstream(Segment(folder, "128x96"), std::ios::binary).rdbuf();
                     return Encoded(folder,
                                    {"-framerate", "10", "-f", "h264", "-i", both.string(), "-c", "copy"},
                                    "s.mp4");
                   },
                   "changes its picture size at 1.50 s"},
        DamageCase{"RateHalvesMidway",
                   [](const fs::path& folder) {
                     return Encoded(folder,
                                    {"-f", "lavfi", "-i", "testsrc2=s=160x96:r=10", "-frames:v", "30", "-vf",
                                     "setpts=N+max(0\\,N-15)", "-fps_mode", "passthrough", "-c:v", "libx264",
                                     "-g", "10"},
                                    "r.mp4");
                   },
                   "changes its frame rate at 1.70 s"}),
    [](const testing::TestParamInfo<DamageCase>& row) { return std::string(row.param.name); });

struct TargetCase {
  const char* name;
  fs::path (*target)(const fs::path& folder);
  rlim_t size_limit;  // 0: none
  const char* reason;
};

class UnwritableTargets : public testing::TestWithParam<TargetCase> {};

TEST_P(UnwritableTargets, AreRefusedWithTheirReason) {
  const fs::path folder = FreshFolder();
  const fs::path target = GetParam().target(folder);
  ExportResult result;
  {
    std::optional<FileSizeLimit> limit;
    if (GetParam().size_limit > 0) limit.emplace(GetParam().size_limit);
    result = ExportEvidenceVideo(SpanRequest(PlainPair(), ExportLayout::SideBySide, target));
  }
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find(GetParam().reason), std::string::npos) << result.message;
  for (const auto& name : FolderNames(folder)) EXPECT_EQ(name, "file") << "left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Targets, UnwritableTargets,
    testing::Values(TargetCase{"MissingFolder",
                               [](const fs::path& folder) { return folder / "none" / "x.mp4"; }, 0,
                               "does not exist"},
                    TargetCase{"FolderIsAFile",
                               [](const fs::path& folder) {
                                 std::ofstream(folder / "file") << "x";
                                 return folder / "file" / "x.mp4";
                               },
                               0, "does not exist"},
                    TargetCase{"DiskFull", [](const fs::path& folder) { return folder / "x.mp4"; }, 16 * 1024,
                               "Cannot write"}),
    [](const testing::TestParamInfo<TargetCase>& row) { return std::string(row.param.name); });

// Refused by its permissions, even for root, who could write it.
TEST(ExportFailures, ReadOnlyTargetIsKept) {
  const fs::path folder = FreshFolder();
  std::ofstream(folder / "x.mp4") << "old";
  fs::permissions(folder / "x.mp4", fs::perms::owner_read);
  const ExportResult result =
      ExportEvidenceVideo(SpanRequest(PlainPair(), ExportLayout::Front, folder / "x.mp4"));
  EXPECT_NE(result.message.find("read-only"), std::string::npos) << result.message;
  EXPECT_EQ(fs::file_size(folder / "x.mp4"), 3u);
}

}  // namespace
}  // namespace direvovu::media::test
