// The whole incident export: what the report is handed, and that a cancel, a failing
// report and a full disk leave nothing in the target folder.
#include "media/incident_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "core/settings/texts.h"
#include "media_fixture.h"
#include "small_disk.h"

namespace direvovu::media::test {
namespace {

IncidentRequest RequestFor(const SamplePair& pair, const fs::path& parent) {
  IncidentRequest request;
  request.front = pair.front;
  request.span = {kFrom, kTo};
  request.parent = parent;
  return request;
}

TEST(IncidentExport, TheReportIsHandedThePicturesTrackAndDigestsOfTheSpan) {
  const fs::path parent = FreshFolder();
  exporting::IncidentFacts seen;
  const ReportWriter writer = [&seen](const exporting::IncidentFacts& facts, const fs::path&) {
    seen = facts;
    return std::optional<std::string>();
  };
  const std::atomic<bool> go_on{false};
  IncidentRequest request = RequestFor(PlainPair(), parent);
  request.language = kKorean;
  const IncidentOutcome outcome = ExportIncident(request, writer, {}, go_on);
  ASSERT_EQ(outcome.end, IncidentEnd::Done) << outcome.message;
  EXPECT_EQ(seen.recording, PlainPair().front.filename().string());
  ASSERT_EQ(seen.moments.size(), 3U);
  // The moments are named in the report's language.
  EXPECT_EQ(seen.moments[0].label, "시작");
  EXPECT_EQ(seen.moments[1].label, "최대 G");
  EXPECT_EQ(seen.moments[2].label, "종료");
  for (const auto& moment : seen.moments) {
    EXPECT_EQ(moment.front.width, 160) << moment.label;
    EXPECT_EQ(moment.front.rgb.size(), 160U * 96U * 3U) << moment.label;
    EXPECT_FALSE(moment.rear.empty()) << moment.label;
  }
  EXPECT_EQ(seen.speed_kmh.size(), 2U);  // seconds 0 and 1 of the span 0.55 .. 1.75
  ASSERT_EQ(seen.originals.size(), 2U);
  EXPECT_EQ(seen.originals[0].sha256_hex.size(), 64U);
  EXPECT_EQ(seen.originals[0].bytes, fs::file_size(PlainPair().front));
  EXPECT_TRUE(fs::exists(outcome.folder / "originals" / PlainPair().rear.filename()));
}

TEST(IncidentExport, NothingIsLeftAfterACancelAFailedReportOrAFullDisk) {
  const auto nothing_written = [](const fs::path& parent) { return FolderNames(parent).empty(); };
  {
    const fs::path parent = FreshFolder();
    std::atomic<bool> cancel{false};
    const auto progress = [&cancel](const IncidentProgress&) { cancel = true; };
    const IncidentOutcome outcome = ExportIncident(RequestFor(PlainPair(), parent), {}, progress, cancel);
    EXPECT_EQ(outcome.end, IncidentEnd::Cancelled);
    EXPECT_TRUE(nothing_written(parent));
  }
  {
    const fs::path parent = FreshFolder();
    const ReportWriter failing = [](const exporting::IncidentFacts&, const fs::path&) {
      return std::optional<std::string>("no fonts");
    };
    const std::atomic<bool> go_on{false};
    const IncidentOutcome outcome = ExportIncident(RequestFor(PlainPair(), parent), failing, {}, go_on);
    EXPECT_EQ(outcome.end, IncidentEnd::Failed);
    EXPECT_EQ(outcome.message, "no fonts");
    EXPECT_TRUE(nothing_written(parent));
  }
  // Room for the clip and the front's original, not for the rear's as well.
  const auto room = fs::file_size(PlainPair().front) + fs::file_size(PlainPair().rear) / 2;
  SmallDisk disk(("size=" + std::to_string(room)).c_str(), 0);
  if (!disk.mounted()) GTEST_SKIP() << "no small file system can be mounted here";
  const std::atomic<bool> go_on{false};
  const IncidentOutcome outcome = ExportIncident(RequestFor(PlainPair(), disk.path()), {}, {}, go_on);
  EXPECT_EQ(outcome.end, IncidentEnd::Failed);
  EXPECT_FALSE(outcome.message.empty());
  EXPECT_TRUE(nothing_written(disk.path()));
}

}  // namespace
}  // namespace direvovu::media::test
