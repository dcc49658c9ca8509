// The pair's playback alone, with fake players sharing one call log: the order of the
// two channels' calls in every sequence, its own timers, and steps that a stop overtakes.
#include "gui/app/pair_playback.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <algorithm>

#include "fake_player.h"
#include "gui/app/playback_timers.h"
#include "recording_prompts.h"
#include "sample_recordings.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

const fs::path& Pair() {
  static test::SampleRecordings made;
  static const fs::path front = made.MakePair("2012-03-14T09:05:07");
  return front;
}

class PairPlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(Pair().empty());
    fs::create_directories(folders_.root);
    playback_.SetPacing(0);
    std::string error;
    ASSERT_TRUE(playback_.CreatePlayers(
        [this](Channel channel) {
          auto player = std::make_unique<test::FakePlayer>(channel, log_);
          (channel == Channel::kFront ? front_ : rear_) = player.get();
          return player;
        },
        &front_area_, &rear_area_, &error))
        << error;
    log_->clear();
  }

  // The log from here on.
  Calls Take() {
    Calls calls = *log_;
    log_->clear();
    return calls;
  }
  Calls TakeWhenLogged(const std::string& last) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::count(log_->begin(), log_->end(), last) > 0; }, 2000))
        << last;
    QTest::qWait(5);  // a step that should not come would come now
    return Take();
  }
  void Open() {
    ASSERT_TRUE(playback_.Load(Pair()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback_.state() == PlaybackState::Opening; }, 10000));
    log_->clear();
    playback_.timers().Tick(playback_timer::kOpenAndStart);
  }
  void Release() {
    Open();
    front_->ReportPlaying();
    rear_->ReportPlaying();
    ASSERT_EQ(playback_.state(), PlaybackState::Playing);
  }
  void Start() {
    Release();
    playback_.timers().StopEverything();  // their work is ticked where a test wants it
    front_->SetClock(10'000, 60'000);
    log_->clear();
  }

  QTemporaryDir root_;
  WorkingFolders folders_{fs::path(root_.path().toStdString()) / "DirevOvu"};
  test::RecordingPrompts prompts_;
  QWidget front_area_;
  QWidget rear_area_;
  test::FakePlayer::Log log_ = std::make_shared<Calls>();
  test::FakePlayer* front_ = nullptr;
  test::FakePlayer* rear_ = nullptr;
  PairPlayback playback_{folders_, prompts_};
};

// Front before rear, except where the pictures start to move: there the rear goes first.
TEST_F(PairPlaybackTest, EverySequenceCallsTheTwoChannelsInItsOrder) {
  Open();
  EXPECT_EQ(Take(), (Calls{"rear Open", "rear SetDrawable", "rear SetMute(true)", "front Open",
                           "front SetDrawable", "rear Play", "front Play"}));
  front_->ReportPlaying();  // holds at its first picture until the rear has one
  rear_->ReportPlaying();
  EXPECT_EQ(Take(), (Calls{"front Pause", "rear Pause", "rear Play", "front Play"}));
  EXPECT_EQ(playback_.state(), PlaybackState::Playing);
  EXPECT_EQ(playback_.startedCount(), 2);
  EXPECT_TRUE(playback_.autoAdvance());
  playback_.timers().StopEverything();
  front_->SetClock(10'000, 60'000);

  playback_.Pause();
  EXPECT_EQ(Take(), (Calls{"front Pause", "rear Pause"}));
  playback_.SeekToSlider(2500, 10000);  // paused: the times move, the pictures stay
  EXPECT_EQ(TakeWhenLogged("rear SetTime(15000)"), (Calls{"front SetTime(15000)", "rear SetTime(15000)"}));
  playback_.Play({});
  EXPECT_EQ(TakeWhenLogged("front Play"), (Calls{"rear Play", "front Play"}));
  playback_.SeekToSlider(5000, 10000);
  EXPECT_EQ(TakeWhenLogged("rear Play"), (Calls{"front Pause", "rear Pause", "front SetTime(30000)",
                                                "rear SetTime(30000)", "front Play", "rear Play"}));
  playback_.RateUp();
  EXPECT_EQ(TakeWhenLogged("rear SetRate(2)"), (Calls{"front SetRate(2)", "rear SetRate(2)"}));
  playback_.StopCommand();
  EXPECT_EQ(Take(), (Calls{"rear Stop", "front Stop"}));
  EXPECT_EQ(playback_.state(), PlaybackState::Idle);
  EXPECT_FALSE(playback_.autoAdvance());
}

TEST_F(PairPlaybackTest, OwnTimersHaveTheirPeriodsAndStopWithThePair) {
  struct Row {
    int id;
    int period;
    bool one_shot;
  };
  for (const Row& row : {Row{1004, 1, true}, Row{1011, 500, true}, Row{1012, 1000, true},
                         Row{1015, 1000, true}, Row{1016, 2000, false}}) {
    EXPECT_EQ(playback_.timers().Period(row.id), row.period) << row.id;
    EXPECT_EQ(playback_.timers().IsOneShot(row.id), row.one_shot) << row.id;
  }
  Release();
  EXPECT_EQ(
      playback_.timers().ActiveIds(),
      (std::vector<int>{playback_timer::kApplyRate, playback_timer::kStartVolume, playback_timer::kSettle}));
  playback_.Stop(StopKind::Command);
  EXPECT_TRUE(playback_.timers().ActiveIds().empty());
}

// A stop, or the pause of the user, overtakes the steps still to come.
TEST_F(PairPlaybackTest, StepsStillToComeGiveWayToAStopOrAPause) {
  Start();
  playback_.SeekToSlider(5000, 10000);  // both pause at once, the times follow later
  playback_.Stop(StopKind::Command);
  EXPECT_EQ(TakeWhenLogged("front Stop"), (Calls{"front Pause", "rear Pause", "rear Stop", "front Stop"}));

  Start();
  playback_.SeekToSlider(5000, 10000);
  playback_.Pause();  // the times are still set; nothing moves again
  EXPECT_EQ(TakeWhenLogged("rear SetTime(30000)"),
            (Calls{"front Pause", "rear Pause", "front Pause", "rear Pause", "front SetTime(30000)",
                   "rear SetTime(30000)"}));
  EXPECT_EQ(playback_.state(), PlaybackState::Paused);
}

TEST_F(PairPlaybackTest, RateStopsAtItsBoundsAndAChosenRateAppliesAtTheNextStart) {
  for (int i = 0; i < 4; ++i) playback_.RateUp();  // nothing plays: only remembered
  EXPECT_FLOAT_EQ(playback_.rate(), 8.0F);
  EXPECT_TRUE(log_->empty());
  Start();
  playback_.timers().Tick(playback_timer::kApplyRate);
  EXPECT_EQ(TakeWhenLogged("rear SetRate(8)"), (Calls{"front SetRate(8)", "rear SetRate(8)"}));
  for (int i = 0; i < 8; ++i) playback_.RateDown();
  EXPECT_FLOAT_EQ(playback_.rate(), 0.125F);
  const Calls calls = TakeWhenLogged("rear SetRate(0.125)");
  const auto front_calls = std::count_if(calls.begin(), calls.end(),
                                         [](const std::string& call) { return call.starts_with("front"); });
  EXPECT_EQ(front_calls, 6);
  EXPECT_EQ(calls.size(), 12U);
}

TEST_F(PairPlaybackTest, ANewerSeekWaitsForTheOneThatRunsAndOlderOnesAreDropped) {
  Start();
  playback_.SeekToSlider(1000, 10000);
  playback_.SeekToSlider(5000, 10000);
  playback_.SeekToSlider(9000, 10000);
  const Calls calls = TakeWhenLogged("rear SetTime(54000)");
  EXPECT_LT(std::find(calls.begin(), calls.end(), "rear SetTime(6000)"),
            std::find(calls.begin(), calls.end(), "front SetTime(54000)"));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "front SetTime(30000)"), 0);
}

}  // namespace
}  // namespace direvovu::gui

namespace direvovu::gui {
namespace {

// Frame steps of the paused pair: both channels on the same moment, the rear by its own
// rate, the ends holding, and nothing while a load is pending or the pair plays.
TEST_F(PairPlaybackTest, FrameStepsMoveBothChannelsToTheSameMoment) {
  struct Row {
    const char* name;
    FrameRate rear_rate;
    std::int64_t at_ms;
    std::vector<bool> steps;  // true: forward
    Calls calls;
    std::int64_t position_us;
  };
  const std::vector<Row> rows = {
      {"forward twice, back once",
       {30, 1},
       10'000,
       {true, true, false},
       {"front NextFrame", "rear NextFrame", "front NextFrame", "rear NextFrame", "front SetTime(10033)",
        "rear SetTime(10033)"},
       10'033'334},
      // A 25 fps rear: front frame 301 (10.0333 s) shows rear frame 250 (10.0 s) still;
      // front 302 (10.0667 s) shows rear 251 (10.04 s).
      {"slower rear",
       {25, 1},
       10'000,
       {true, true, false},
       {"front NextFrame", "front NextFrame", "rear NextFrame", "front SetTime(10033)",
        "rear SetTime(10000)"},
       10'033'334},
      {"the first frame stays", {30, 1}, 0, {false}, {}, 0},
      {"the last frame stays", {30, 1}, 59'990, {true}, {}, 59'966'667},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Start();
    rear_->SetFrameRate(row.rear_rate);
    front_->SetClock(row.at_ms, 60'000);
    rear_->SetClock(row.at_ms, 60'000);
    playback_.StepFrame(true);  // a playing pair only pauses
    EXPECT_EQ(Take(), (Calls{"front Pause", "rear Pause"}));
    for (const bool forward : row.steps) playback_.StepFrame(forward);
    EXPECT_EQ(Take(), row.calls);
    EXPECT_EQ(playback_.PositionUs(), row.position_us);
    playback_.Stop(StopKind::Command);
    Take();
  }
  // While a load is pending the keys do nothing.
  ASSERT_TRUE(playback_.Load(Pair()));
  ASSERT_TRUE(playback_.loadPending());
  Take();
  playback_.StepFrame(true);
  playback_.LoopKey();
  EXPECT_EQ(Take(), Calls{});
  EXPECT_EQ(playback_.loop(), AbLoop{});
}

// A, B, the jump back from B to A on both channels, and the third press that ends it.
TEST_F(PairPlaybackTest, LoopPlaysAToBUntilCleared) {
  Start();
  front_->SetClock(4'000, 60'000);
  playback_.LoopKey();
  front_->SetClock(9'000, 60'000);
  playback_.LoopKey();
  EXPECT_EQ(playback_.loop(), (AbLoop{4'000, 9'000}));
  front_->SetClock(8'900, 60'000);
  QTest::qWait(100);
  EXPECT_EQ(Take(), Calls{});  // before B nothing happens
  front_->SetClock(9'040, 60'000);
  EXPECT_EQ(TakeWhenLogged("rear Play"), (Calls{"front Pause", "rear Pause", "front SetTime(4000)",
                                                "rear SetTime(4000)", "front Play", "rear Play"}));
  playback_.LoopKey();
  EXPECT_EQ(playback_.loop(), AbLoop{});
  front_->SetClock(9'500, 60'000);
  QTest::qWait(100);
  EXPECT_EQ(Take(), Calls{});
  // A loop belongs to its recording.
  playback_.LoopKey();
  playback_.StopCommand();
  EXPECT_EQ(playback_.loop(), AbLoop{});
}

}  // namespace
}  // namespace direvovu::gui
