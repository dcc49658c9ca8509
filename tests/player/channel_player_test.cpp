#include "player/channel_player.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QWidget>

#include <algorithm>
#include <fstream>
#include <memory>

#include "core/app/transport.h"
#include "test_clip.h"

namespace direvovu {
namespace {

using testing::TestClip;
using testing::WaitUntil;

const QStringList kDummyOutputs = {"--vout=dummy", "--aout=dummy"};

bool Contains(const std::vector<std::string>& options, const std::string& option) {
  return std::find(options.begin(), options.end(), option) != options.end();
}

TEST(ChannelPlayerOptions, KeepTheIntentOfTheOldListsInLibvlc3Terms) {
  const auto front = ChannelPlayer::LibraryOptions(Channel::kFront, {});
  const auto rear = ChannelPlayer::LibraryOptions(Channel::kRear, {"--aout=dummy"});
  for (const auto* list : {&front, &rear}) {
    EXPECT_TRUE(Contains(*list, "--snapshot-format=png"));
    EXPECT_TRUE(Contains(*list, "--no-video-title-show"));
    EXPECT_FALSE(Contains(*list, "-vvv"));
    EXPECT_FALSE(Contains(*list, "-I"));
    for (const std::string& option : *list) EXPECT_EQ(option.rfind("--plugin-path", 0), std::string::npos);
  }
  EXPECT_TRUE(Contains(front, "--audio-replay-gain-mode=track"));
  EXPECT_FALSE(Contains(rear, "--audio-replay-gain-mode=track"));
  EXPECT_EQ(rear.back(), "--aout=dummy");
}

TEST(ChannelPlayerInit, BothChannelListsAreAcceptedByLibvlc) {
  for (const Channel channel : {Channel::kFront, Channel::kRear}) {
    ChannelPlayer player(channel, kDummyOutputs);
    const PlayerResult result = player.Init();
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(player.GetState(), PlayerState::kIdle);
  }
}

TEST(ChannelPlayerInit, UnusableLibraryIsAFailureResultNotAnExit) {
  ChannelPlayer player(Channel::kFront, {"--no-such-option-in-libvlc"});
  const PlayerResult result = player.Init();
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("libvlc"), std::string::npos);
  EXPECT_FALSE(player.Open("/nonexistent.mp4").ok);
}

TEST(ChannelPlayerIdle, OperationsBeforeAnyFileAreHarmless) {
  ChannelPlayer player(Channel::kRear, kDummyOutputs);
  ASSERT_TRUE(player.Init().ok);
  player.Stop();
  player.Pause();
  EXPECT_EQ(player.GetState(), PlayerState::kIdle);
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_FALSE(player.Play().ok);

  QTemporaryDir dir;
  const std::filesystem::path snapshot = dir.filePath("never.png").toStdString();
  EXPECT_FALSE(player.TakeSnapshot(snapshot));
  EXPECT_FALSE(std::filesystem::exists(snapshot));

  // Volume and mute set before any file are remembered.
  player.SetVolume(7);
  player.SetMute(true);
  EXPECT_EQ(player.GetVolume(), 7);
  EXPECT_TRUE(player.GetMute());
  player.SetVolume(15);
  EXPECT_EQ(player.GetVolume(), 10);
  player.ToggleMute();
  EXPECT_FALSE(player.GetMute());
}

TEST(ChannelPlayerOpen, MissingFileFailsWithItsPath) {
  ChannelPlayer player(Channel::kFront, kDummyOutputs);
  ASSERT_TRUE(player.Init().ok);
  const PlayerResult result = player.Open("/nonexistent/DecodedFrontData.dat");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("DecodedFrontData.dat"), std::string::npos);
}

// libvlc "plays" unreadable bytes (nothing, then the end) and fails an empty file with an
// error event; both must reach the main window as a failed load, never as "playing".
TEST(ChannelPlayerOpen, UndecodableFilesAreReportedAsErrorsAndThePlayerGoesOn) {
  QTemporaryDir dir;
  const std::filesystem::path junk = dir.filePath("DecodedFrontData.dat").toStdString();
  const std::filesystem::path empty = dir.filePath("DecodedRearData.dat").toStdString();
  {
    std::ofstream out(junk, std::ios::binary);
    for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919) & 0xFF));
    std::ofstream{empty, std::ios::binary};
  }
  ChannelPlayer player(Channel::kFront, kDummyOutputs);
  ASSERT_TRUE(player.Init().ok);
  QSignalSpy errors(&player, &IChannelPlayer::error);
  QSignalSpy playing(&player, &IChannelPlayer::playing);
  QSignalSpy ended(&player, &IChannelPlayer::endReached);
  for (const auto& file : {junk, empty}) {
    SCOPED_TRACE(file.string());
    errors.clear();
    ASSERT_TRUE(player.Open(file).ok);
    ASSERT_TRUE(player.Play().ok);
    ASSERT_TRUE(WaitUntil([&] { return errors.count() > 0; }));
    EXPECT_TRUE(errors.front().front().toString().endsWith(QString::fromStdString(file.filename().string())));
    WaitUntil([] { return false; }, 300);  // a late "end" must not follow the error
    EXPECT_EQ(errors.count(), 1);
  }
  EXPECT_EQ(playing.count(), 0);
  EXPECT_EQ(ended.count(), 0);

  TestClip clip(1);
  if (clip.path().empty()) GTEST_SKIP() << "ffmpeg is not installed";
  ASSERT_TRUE(player.Open(clip.path()).ok);
  ASSERT_TRUE(player.Play().ok);
  EXPECT_TRUE(WaitUntil([&] { return playing.count() == 1; }));
}

class ChannelPlayerPlayback : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { clip_ = std::make_unique<TestClip>(3); }
  static void TearDownTestSuite() { clip_.reset(); }

  void SetUp() override {
    if (clip_->path().empty()) GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_TRUE(player_.Init().ok);
  }

  // Opens the clip and plays it until libvlc reports "playing".
  void StartPlaying(QSignalSpy& playing) {
    ASSERT_TRUE(player_.Open(clip_->path()).ok);
    ASSERT_TRUE(player_.Play().ok);
    ASSERT_TRUE(WaitUntil([&] { return playing.count() > 0; })) << "no playing event";
  }

  static std::unique_ptr<TestClip> clip_;
  ChannelPlayer player_{Channel::kFront, kDummyOutputs};
};

std::unique_ptr<TestClip> ChannelPlayerPlayback::clip_;

TEST_F(ChannelPlayerPlayback, PlaysPausesAndStops) {
  QSignalSpy playing(&player_, &IChannelPlayer::playing);
  StartPlaying(playing);
  EXPECT_EQ(player_.GetState(), PlayerState::kPlaying);
  EXPECT_TRUE(player_.IsPlaying());
  EXPECT_GT(player_.GetLength(), 2500);
  EXPECT_LT(player_.GetLength(), 3500);
  EXPECT_TRUE(WaitUntil([&] { return player_.VideoWidth() == 320; }));
  EXPECT_EQ(player_.VideoHeight(), 180);
  EXPECT_EQ(player_.GetFps(), 30);
  EXPECT_TRUE(player_.IsSeekable());
  EXPECT_TRUE(player_.CanPause());

  player_.Pause();
  ASSERT_TRUE(WaitUntil([&] { return player_.GetState() == PlayerState::kPaused; }));
  EXPECT_TRUE(player_.IsPlaying()) << "paused counts as playing";
  player_.Pause();  // a paused player stays paused
  EXPECT_EQ(player_.GetState(), PlayerState::kPaused);

  player_.Play();  // resuming does not report "playing" again
  ASSERT_TRUE(WaitUntil([&] { return player_.GetState() == PlayerState::kPlaying; }));
  player_.Stop();
  EXPECT_EQ(player_.GetState(), PlayerState::kStopped);
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_EQ(playing.count(), 1);

  QTemporaryDir dir;
  const std::filesystem::path snapshot = dir.filePath("stopped.png").toStdString();
  EXPECT_FALSE(player_.TakeSnapshot(snapshot)) << "no snapshot while stopped";
  EXPECT_FALSE(std::filesystem::exists(snapshot));
}

// The window's bounds reach libvlc as they are.
TEST_F(ChannelPlayerPlayback, RatesAtTheWindowsBoundsAreTaken) {
  QSignalSpy playing(&player_, &IChannelPlayer::playing);
  StartPlaying(playing);
  player_.Pause();
  for (const float rate : {kFastestRate, kSlowestRate}) {
    player_.SetRate(rate);
    EXPECT_FLOAT_EQ(player_.GetRate(), rate);
  }
  player_.Stop();
}

TEST_F(ChannelPlayerPlayback, ReportsTheEndOnceAndEndsInTheEndedState) {
  QSignalSpy playing(&player_, &IChannelPlayer::playing);
  QSignalSpy ended(&player_, &IChannelPlayer::endReached);
  StartPlaying(playing);
  player_.SetRate(4.0F);
  ASSERT_TRUE(WaitUntil([&] { return ended.count() > 0; }, 20000));
  EXPECT_EQ(player_.GetState(), PlayerState::kEnded);
  WaitUntil([] { return false; }, 300);  // let any duplicate event arrive
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(player_.GetState(), PlayerState::kEnded) << "ended is settled, not playing";
  player_.Stop();
  EXPECT_EQ(player_.GetState(), PlayerState::kStopped);
}

TEST_F(ChannelPlayerPlayback, SeekingMovesTheTime) {
  QSignalSpy playing(&player_, &IChannelPlayer::playing);
  StartPlaying(playing);
  player_.Pause();
  ASSERT_TRUE(WaitUntil([&] { return player_.GetState() == PlayerState::kPaused; }));
  player_.SetTime(2000);
  EXPECT_TRUE(WaitUntil([&] { return player_.GetTime() >= 1900; }));
  player_.Stop();
}

TEST_F(ChannelPlayerPlayback, ReopeningReplacesTheMediaAndReportsPlayingAgain) {
  QSignalSpy playing(&player_, &IChannelPlayer::playing);
  StartPlaying(playing);
  ASSERT_TRUE(player_.Open(clip_->path()).ok);
  EXPECT_EQ(player_.GetState(), PlayerState::kIdle) << "a fresh player for the new media";
  ASSERT_TRUE(player_.Play().ok);
  EXPECT_TRUE(WaitUntil([&] { return playing.count() == 2; }));
  player_.Release();
  EXPECT_EQ(player_.GetState(), PlayerState::kIdle);
}

TEST_F(ChannelPlayerPlayback, StopThenPlayReportsPlayingAgain) {
  QSignalSpy playing(&player_, &IChannelPlayer::playing);
  StartPlaying(playing);
  player_.Stop();
  ASSERT_TRUE(player_.Play().ok);
  EXPECT_TRUE(WaitUntil([&] { return playing.count() == 2; }));
  player_.Stop();
}

// The layout the camera writes (ftyp, mdat, moov, then the private track box), as
// direvovu-sample makes it: both channels play to their end.
TEST(ChannelPlayerCameraFormat, BothChannelsOfASampleRecordingPlayToTheEnd) {
  const QString sample = QStringLiteral(DIREVOVU_BINARY_DIR "/direvovu-sample");
  if (!QFile::exists(sample)) GTEST_SKIP() << "direvovu-sample is not built";
  QTemporaryDir dir;
  QProcess run;
  run.start(sample, {"recording", "--out", dir.path(), "--start", "2012-03-14T09:05:07", "--seconds", "3",
                     "--size", "320x180"});
  ASSERT_TRUE(run.waitForFinished(120000));
  ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
  for (const char* name : {"drf0_20120314_090507.mp4", "drf1_20120314_090507.mp4"}) {
    SCOPED_TRACE(name);
    ChannelPlayer player(name[3] == '0' ? Channel::kFront : Channel::kRear, kDummyOutputs);
    ASSERT_TRUE(player.Init().ok);
    QSignalSpy playing(&player, &IChannelPlayer::playing);
    QSignalSpy ended(&player, &IChannelPlayer::endReached);
    QSignalSpy errors(&player, &IChannelPlayer::error);
    ASSERT_TRUE(player.Open(dir.filePath(name).toStdString()).ok);
    ASSERT_TRUE(player.Play().ok);
    ASSERT_TRUE(WaitUntil([&] { return playing.count() > 0 || errors.count() > 0; }));
    ASSERT_EQ(errors.count(), 0);
    EXPECT_GT(player.GetLength(), 2500);
    player.SetRate(4.0F);
    EXPECT_TRUE(WaitUntil([&] { return ended.count() > 0; }, 20000));
    EXPECT_EQ(player.GetState(), PlayerState::kEnded);
  }
}

bool HasPngMagic(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char magic[8] = {};
  in.read(magic, sizeof magic);
  static const char kPng[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
  return in.gcount() == 8 && std::equal(magic, magic + 8, kPng);
}

// Draws into a real X window, as the viewer does; needs xvfb-run (or a desktop).
TEST(ChannelPlayerSnapshot, WritesAPngOfTheVideoSizeWhilePaused) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
  TestClip clip(3);
  if (clip.path().empty()) GTEST_SKIP() << "ffmpeg is not installed";
  QWidget area;
  area.setAttribute(Qt::WA_NativeWindow);
  area.resize(437, 328);
  area.show();
  {
    ChannelPlayer player(Channel::kFront, {"--aout=dummy"});
    ASSERT_TRUE(player.Init().ok);
    QSignalSpy playing(&player, &IChannelPlayer::playing);
    ASSERT_TRUE(player.Open(clip.path()).ok);
    player.SetDrawable(area.winId());
    EXPECT_EQ(player.Drawable(), area.winId());
    ASSERT_TRUE(player.Play().ok);
    ASSERT_TRUE(WaitUntil([&] { return playing.count() > 0; }));
    ASSERT_TRUE(WaitUntil([&] { return player.GetTime() > 300; }));
    player.Pause();
    ASSERT_TRUE(WaitUntil([&] { return player.GetState() == PlayerState::kPaused; }));

    // The name says PNG and so must the content.
    const std::filesystem::path file = clip.folder() / "capture.png";
    ASSERT_TRUE(player.TakeSnapshot(file));
    EXPECT_TRUE(HasPngMagic(file));
    const QImage image(QString::fromStdString(file.string()), "PNG");
    EXPECT_EQ(image.width(), 320);
    EXPECT_EQ(image.height(), 180);

    // The next recording plays into the same window.
    ASSERT_TRUE(player.Open(clip.path()).ok);
    ASSERT_TRUE(player.Play().ok);
    ASSERT_TRUE(WaitUntil([&] { return playing.count() == 2; }));
    ASSERT_TRUE(WaitUntil([&] { return player.GetTime() > 300; }));
    const std::filesystem::path again = clip.folder() / "again.png";
    ASSERT_TRUE(player.TakeSnapshot(again));
    EXPECT_TRUE(HasPngMagic(again));
    // Release before the window goes away.
    player.Stop();
    player.Release();
  }
}

}  // namespace
}  // namespace direvovu
