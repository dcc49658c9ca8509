#include "recording_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace direvovu::sample {
namespace {

RecordingOptionsOutcome Parse(std::vector<std::string_view> args) { return ParseRecordingOptions(args); }

TEST(RecordingOptions, RequiredOptionsAndDefaults) {
  const auto outcome = Parse({"--out", "/tmp/x", "--start", "2012-03-14T09:05:07", "--seconds", "5"});
  ASSERT_TRUE(outcome.options) << outcome.error;
  const RecordingOptions& o = *outcome.options;
  EXPECT_EQ(o.out_dir, "/tmp/x");
  EXPECT_EQ(o.start.year, 2012);
  EXPECT_EQ(o.start.second, 7);
  EXPECT_EQ(o.seconds, 5);
  EXPECT_EQ(o.width, 640);
  EXPECT_EQ(o.height, 360);
  EXPECT_TRUE(o.rear);
  EXPECT_TRUE(o.password.empty());
  EXPECT_TRUE(o.bitrate.empty());
  EXPECT_EQ(o.no_fix_seconds, 0);
  EXPECT_FALSE(o.impact);
}

TEST(RecordingOptions, EveryOptionInBothForms) {
  const auto outcome = Parse({"--out=d",
                              "--start",
                              "2012-02-29 23:59:59",
                              "--seconds=60",
                              "--size",
                              "1280x720",
                              "--fps",
                              "15",
                              "--password",
                              "Ab12",
                              "--no-rear",
                              "--bitrate",
                              "12M",
                              "--seed",
                              "42",
                              "--gps-start",
                              "37.5665,126.978",
                              "--no-fix-seconds",
                              "2",
                              "--event",
                              "--parked",
                              "--no-audio",
                              "--preset",
                              "veryfast",
                              "--drive-offset",
                              "120"});
  ASSERT_TRUE(outcome.options) << outcome.error;
  const RecordingOptions& o = *outcome.options;
  EXPECT_EQ(o.out_dir, "d");
  EXPECT_EQ(o.start.day, 29);
  EXPECT_EQ(o.seconds, 60);
  EXPECT_EQ(o.width, 1280);
  EXPECT_EQ(o.fps, 15);
  EXPECT_EQ(o.password, "Ab12");
  EXPECT_FALSE(o.rear);
  EXPECT_FALSE(o.audio);
  EXPECT_EQ(o.bitrate, "12M");
  EXPECT_EQ(o.seed, 42u);
  ASSERT_TRUE(o.gps_start);
  EXPECT_DOUBLE_EQ(o.gps_start->longitude, 126.978);
  EXPECT_EQ(o.no_fix_seconds, 2);
  EXPECT_TRUE(o.impact);
  EXPECT_TRUE(o.parked);
  EXPECT_EQ(o.preset, "veryfast");
  EXPECT_EQ(o.drive_offset_seconds, 120);
}

TEST(RecordingOptions, RefusalsNameTheProblem) {
  const std::vector<std::string_view> base{"--out", "d", "--start", "2012-03-14T09:05:07", "--seconds", "5"};
  struct Case {
    std::vector<std::string_view> extra;
    const char* reason_part;
  };
  for (const Case& c : std::vector<Case>{
           {{"--size", "641x360"}, "--size"},
           {{"--size", "640"}, "--size"},
           {{"--seconds", "0"}, "--seconds"},
           {{"--seconds", "9001"}, "--seconds"},
           {{"--seconds", "5s"}, "--seconds"},
           {{"--password", "abc"}, "--password"},
           {{"--password", "abcdefg"}, "--password"},
           {{"--password", "ab-12"}, "--password"},
           {{"--password",
             "ab\xC3\xA9"
             "12"},
            "--password"},
           {{"--bitrate", "12X"}, "--bitrate"},
           {{"--bitrate", "0"}, "--bitrate"},
           {{"--start", "2013-02-29T10:00:00"}, "--start"},
           {{"--start", "2012-03-14T24:00:00"}, "--start"},
           {{"--start", "1969-12-31T23:59:59"}, "--start"},
           {{"--gps-start", "95,10"}, "--gps-start"},
           {{"--gps-start", "38.7"}, "--gps-start"},
           {{"--no-fix-seconds", "6"}, "no-fix"},
           {{"--frobnicate"}, "unknown option"},
           {{"--rear=yes"}, "takes no value"},
           {{"--seed"}, "needs a value"},
       }) {
    std::vector<std::string_view> args = base;
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const auto outcome = Parse(args);
    EXPECT_FALSE(outcome.options) << c.reason_part;
    EXPECT_NE(outcome.error.find(c.reason_part), std::string::npos) << outcome.error;
    EXPECT_EQ(outcome.error.find('\n'), std::string::npos);
  }
  EXPECT_NE(Parse({"--start", "2012-03-14T09:05:07", "--seconds", "5"}).error.find("--out"),
            std::string::npos);
  EXPECT_NE(Parse({"--out", "d", "--seconds", "5"}).error.find("--start"), std::string::npos);
  EXPECT_NE(Parse({"--out", "d", "--start", "2012-03-14T09:05:07"}).error.find("--seconds"),
            std::string::npos);
  EXPECT_TRUE(Parse({"--seconds", "x", "--help"}).error.size() > 0);  // the first fault wins
  EXPECT_TRUE(Parse({"--help"}).help_requested);
}

TEST(RecordingOptions, NamesAndClock) {
  const CivilTime t{2012, 3, 14, 9, 5, 7};
  EXPECT_EQ(RecordingFileName(0, t), "drf0_20120314_090507.mp4");
  EXPECT_EQ(RecordingFileName(1, t), "drf1_20120314_090507.mp4");
  EXPECT_EQ(RecordingFileName(0, t).size(), 24u);
  EXPECT_EQ(SecondsSinceEpoch(t), 1331715907);
  EXPECT_EQ(SecondsSinceEpoch({1970, 1, 1, 0, 0, 0}), 0);
  EXPECT_EQ(SecondsSinceEpoch({2000, 3, 1, 0, 0, 0}) - SecondsSinceEpoch({2000, 2, 28, 0, 0, 0}), 2 * 86400);
  EXPECT_EQ(SecondsSinceEpoch({2099, 12, 31, 23, 59, 59}), 4102444799);
}

}  // namespace
}  // namespace direvovu::sample
