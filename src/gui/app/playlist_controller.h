#pragma once

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/sdcard/sd_download_rules.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"
#include "gui/controls/timer_registry.h"

namespace direvovu::gui {

class PairPlayback;
class PlaylistView;
enum class StopKind;

// The play list's rules over its view: what opening, dropping and other windows put in
// it, the row that plays, the start one second after new rows, and the advance to the
// next row when a recording ends or fails. Commands go to the pair's playback.
class PlaylistController : public QObject {
  Q_OBJECT

 public:
  PlaylistController(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback, PlaylistView& view);

  // The open-file dialog: the chosen front recordings replace the list.
  void OpenCommand();
  // Recordings opened (the command line, a second start, a drop): the list becomes the
  // legal front recordings among them (the front recordings inside folders), in path order.
  void OpenFiles(const QStringList& files);
  // A new list: a load under way for the old one is given up, the first row plays one
  // second later.
  void Replace(const std::vector<std::string>& paths);
  // Rows added by other windows: appended, the first row is selected and plays one
  // second later.
  void AddRows(const std::vector<std::string>& paths);
  // What the download dialog did: a new list, or rows added.
  void Apply(const PlaylistChange& change);
  void DeleteSelected();
  // Asks first (message 10).
  void DeleteAll();
  // A double click on a row: it plays now.
  void RowActivated();
  // The next (+1) or previous (-1) row plays now; at either end of the list nothing moves.
  // Also Next and Previous of the desktop's media controls.
  void PlayRowBeside(int delta);
  [[nodiscard]] bool HasRowBeside(int delta) const;
  // The play command: resumes a paused pair, or plays the selected row.
  void Play();
  void TogglePause();
  // "Decryption And Save" of the selected row.
  void DecryptSelected();

  // Its own timer (timer::kPlayOpened of main_timers.h: the start of new rows).
  TimerRegistry& timers() { return timers_; }
  // The front recording of the selected row; empty when none is selected or it names none.
  [[nodiscard]] std::filesystem::path SelectedFront() const;
  // The main window closes: nothing starts any more.
  void Stop() { timers_.StopEverything(); }

 signals:
  // Nothing plays next: the transport shows PLAY.
  void transportRests();

 private:
  // Rows just added wait for their start.
  [[nodiscard]] bool StartPending() const;
  [[nodiscard]] std::optional<std::filesystem::path> PickSelectedRow();
  [[nodiscard]] std::optional<std::filesystem::path> NextRow() const;
  void StartTick();
  bool PlayNext();
  void LoadFailed();
  void Ended();
  void Stopped(StopKind kind);

  WorkingFolders folders_;
  IPrompts& prompts_;
  PairPlayback& playback_;
  PlaylistView& view_;
  TimerRegistry timers_;
  // The open-file dialog is up (it runs an event loop of its own).
  bool open_dialog_busy_ = false;
};

}  // namespace direvovu::gui
