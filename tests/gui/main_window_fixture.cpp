#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QTest>

#include <algorithm>
#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/map_follower.h"
#include "gui/app/playback_display.h"
#include "gui/app/playlist_controller.h"
#include "gui/app/playback_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/display/graph_panel.h"
#include "gui/display/speedometer_widget.h"

namespace direvovu::test {

namespace fs = std::filesystem;
using gui::CVantorDlg;

QStringList PathTexts(const std::vector<fs::path>& paths) {
  QStringList texts;
  for (const fs::path& path : paths) texts << QString::fromStdString(path.string());
  return texts;
}

void MainWindowTest::SetUp() {
  ASSERT_TRUE(root_.isValid());
  folders_ = std::make_unique<WorkingFolders>(RootPath() / "DirevOvu");
  dialog_ = std::make_unique<CVantorDlg>(
      *folders_,
      [this](Channel channel) {
        auto player = std::make_unique<FakePlayer>(channel, log_);
        if (channel == Channel::kFront && !front_failure_.empty()) player->FailInit(front_failure_);
        (channel == Channel::kFront ? front_ : rear_) = player.get();
        return player;
      },
      messages_);
  dialog_->playback().SetPacing(0);
  dialog_->maps().SetConnectivityProbe([this] { return connected_; });
}

void MainWindowTest::WriteViewerSettings(const std::string& lines) {
  std::filesystem::create_directories(folders_->root);
  std::ofstream(folders_->settings_file(), std::ios::binary) << "[VIEWER_SETUP]\r\n" << lines;
}

void MainWindowTest::TearDown() { SetCurrentLanguage(kDefaultLanguage); }

void MainWindowTest::Initialise() {
  std::string error;
  ASSERT_TRUE(dialog_->Initialise(&error)) << error;
}

long MainWindowTest::Count(const std::string& call) const {
  return std::count(log_->begin(), log_->end(), call);
}

std::size_t MainWindowTest::Position(const std::string& call, std::size_t from) const {
  return static_cast<std::size_t>(std::find(log_->begin() + static_cast<long>(from), log_->end(), call) -
                                  log_->begin());
}

void MainWindowTest::WaitForCopies() {
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->playback().state() != PlaybackState::Loading; }, 10000));
}

void MainWindowTest::CompleteLoad() {
  WaitForCopies();
  ASSERT_TRUE(dialog_->playback().loadPending());
  const long plays = Count("front Play");
  dialog_->playback().timers().Tick(gui::playback_timer::kOpenAndStart);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Count("front Play") > plays; }, 5000));
  front_->ReportPlaying();
  if (dialog_->playback().rearPresent()) rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
}

void MainWindowTest::StartPair(const fs::path& front) {
  ASSERT_TRUE(dialog_->playback().Load(front));
  CompleteLoad();
}

bool MainWindowTest::PlayShown() const { return !dialog_->button(ctl::kPlay)->isHidden(); }

gui::TimerRegistry& MainWindowTest::Timers(int id) const {
  switch (id) {
    case gui::timer::kPlayOpened:
      return dialog_->playlist().timers();
    case gui::timer::kMapPoints:
    case gui::timer::kMapRefresh:
    case gui::timer::kConnectivity:
      return dialog_->maps().timers();
    case gui::timer::kTimeDisplay:
    case gui::timer::kGraphs:
    case gui::timer::kReadouts:
    case gui::playback_timer::kSettle:
      return dialog_->display().timers();
    default:
      return dialog_->playback().timers();
  }
}

std::vector<int> MainWindowTest::ActiveTimers() const {
  std::vector<int> active;
  for (gui::TimerRegistry* timers : {&dialog_->playback().timers(), &dialog_->playlist().timers(),
                                     &dialog_->display().timers(), &dialog_->maps().timers()}) {
    for (const int id : timers->ActiveIds()) active.push_back(id);
  }
  std::sort(active.begin(), active.end());
  return active;
}

gui::CBitmapSlider* MainWindowTest::Slider() const {
  return qobject_cast<gui::CBitmapSlider*>(dialog_->control(ctl::kSeekSlider));
}

gui::PlaylistView* MainWindowTest::ListView() const {
  return qobject_cast<gui::PlaylistView*>(dialog_->control(ctl::kPlayList));
}

gui::GraphPanel* MainWindowTest::Graphs() const { return dialog_->findChild<gui::GraphPanel*>(); }

gui::SpeedometerWidget* MainWindowTest::Speedometer() const {
  return dialog_->findChild<gui::SpeedometerWidget*>();
}

const PlaylistPairs& PlaylistPairs::Get() {
  static const PlaylistPairs made;
  return made;
}

PlaylistPairs::PlaylistPairs() {
  folder = made_.folder();
  for (const char* start : {"2012-03-14T09:00:00", "2012-03-14T09:01:00", "2012-03-14T09:02:00"})
    plain.push_back(made_.MakePair(start));
  scrambled.push_back(made_.MakePair("2012-03-14T10:00:00", "abc123"));
  scrambled.push_back(made_.MakePair("2012-03-14T10:01:00", "abc123"));
  scrambled.push_back(made_.MakePair("2012-03-14T10:02:00", "zz9999"));
  for (const auto* set : {&plain, &scrambled})
    ok = ok && std::none_of(set->begin(), set->end(), [](const fs::path& path) { return path.empty(); });
}

void PlaylistTest::SetUp() {
  ASSERT_TRUE(PlaylistPairs::Get().ok);
  MainWindowTest::SetUp();
  if (HasFatalFailure()) return;
  Initialise();
  if (HasFatalFailure()) return;
  SetCurrentLanguage(kEnglish);
  dialog_->RefreshTexts();
  list_ = ListView();
}

void PlaylistTest::FinishLoad() {
  CompleteLoad();
  if (HasFatalFailure()) return;
  dialog_->playback().timers().Tick(gui::playback_timer::kApplyRate);
  QTest::qWait(5);  // the rear's rate follows a paced step later
}

void PlaylistTest::OpenAndPlay(const std::vector<fs::path>& paths) {
  dialog_->OpenFiles(PathTexts(paths));
  dialog_->playlist().timers().Tick(gui::timer::kPlayOpened);
  FinishLoad();
}

std::vector<std::string> PlaylistTest::Numbers() const {
  std::vector<std::string> numbers;
  for (int row = 0; row < list_->RowCount(); ++row) numbers.push_back(list_->CellText(row, 0).toStdString());
  return numbers;
}

}  // namespace direvovu::test
