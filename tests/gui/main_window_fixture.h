#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fake_player.h"
#include "gui/app/map_follower.h"
#include "gui/app/playback_display.h"
#include "gui/app/playlist_controller.h"
#include "gui/app/vantor_dlg.h"
#include "recording_prompts.h"
#include "sample_recordings.h"

namespace direvovu::gui {
class CBitmapSlider;
class GraphPanel;
class PlaylistView;
class SpeedometerWidget;
class TimerRegistry;
}

namespace direvovu::test {

// The paths as the texts a file dialog or a second start hands over.
QStringList PathTexts(const std::vector<std::filesystem::path>& paths);

// The main window over a temporary working root, with fake players that log every call
// into log_ and every message recorded instead of shown. SetUp builds the window but
// leaves Initialise to the test, which may first make the front player fail.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Initialise();
  std::filesystem::path RootPath() const { return root_.path().toStdString(); }

  bool Logged(const std::string& call) const { return Count(call) > 0; }
  long Count(const std::string& call) const;
  // Index of the first `call` at or after `from` in the log; the log's size when none.
  std::size_t Position(const std::string& call, std::size_t from = 0) const;

  // The working copies of the load under way are written (they are made off the
  // window's thread).
  void WaitForCopies();
  // The load under way reaches both players, each reports its first picture, and the
  // window releases them.
  void CompleteLoad();
  // A pair loaded, opened, both channels reported and released.
  void StartPair(const std::filesystem::path& front);
  // The PLAY button is shown, not PAUSE: nothing plays.
  bool PlayShown() const;
  // The viewer's settings file holds its section with `lines` (each ending in CR LF).
  void WriteViewerSettings(const std::string& lines);
  // The timers of the window's controllers, by the ids of main_timers.h: the registry
  // that holds `id`, and every id that runs.
  gui::TimerRegistry& Timers(int id) const;
  std::vector<int> ActiveTimers() const;
  // Controls the window keeps.
  gui::PlaylistView* ListView() const;
  gui::CBitmapSlider* Slider() const;
  gui::GraphPanel* Graphs() const;
  gui::SpeedometerWidget* Speedometer() const;

  QTemporaryDir root_;
  std::unique_ptr<WorkingFolders> folders_;
  FakePlayer::Log log_ = std::make_shared<std::vector<std::string>>();
  FakePlayer* front_ = nullptr;
  FakePlayer* rear_ = nullptr;
  std::string front_failure_;  // the front player's Init fails with it when set
  bool connected_ = true;      // what the connectivity probe answers
  RecordingPrompts messages_;
  std::unique_ptr<gui::CVantorDlg> dialog_;
};

// Pairs made once for the play-list tests: three plain, two scrambled with "abc123",
// one with "zz9999", all in one folder.
struct PlaylistPairs {
  static const PlaylistPairs& Get();

  std::vector<std::filesystem::path> plain;
  std::vector<std::filesystem::path> scrambled;  // abc123, abc123, zz9999
  std::filesystem::path folder;
  bool ok = true;

 private:
  PlaylistPairs();
  SampleRecordings made_;
};

// The main window initialised, in English, with its play list at hand.
class PlaylistTest : public MainWindowTest {
 protected:
  void SetUp() override;

  // CompleteLoad, then the rate as the program applies it after a start.
  void FinishLoad();
  // The rows open and the first one plays.
  void OpenAndPlay(const std::vector<std::filesystem::path>& paths);
  // The number column of every row.
  std::vector<std::string> Numbers() const;

  gui::PlaylistView* list_ = nullptr;
};

}  // namespace direvovu::test
