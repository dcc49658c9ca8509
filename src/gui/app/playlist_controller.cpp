#include "gui/app/playlist_controller.h"

#include <QFileInfo>

#include <utility>

#include "core/app/opened_files.h"
#include "core/recording/decrypt_and_save.h"
#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/pair_playback.h"
#include "gui/app/playlist_view.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

constexpr char kOpenPathKey[] = "OPEN_PATH";
constexpr int kStart = timer::kPlayOpened;

std::vector<std::string> ToPaths(const QStringList& files) {
  std::vector<std::string> paths;
  paths.reserve(static_cast<std::size_t>(files.size()));
  for (const QString& file : files) paths.push_back(file.toStdString());
  return paths;
}

}  // namespace

PlaylistController::PlaylistController(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback,
                                       PlaylistView& view)
    : folders_(std::move(folders)), prompts_(prompts), playback_(playback), view_(view), timers_(this) {
  timers_.Define(kStart, timer::kPlayOpenedMs, true, [this] { StartTick(); });
  playback_.SetNextRowSource([this] { return NextRow(); });
  connect(&playback_, &PairPlayback::loadFailed, this, &PlaylistController::LoadFailed);
  connect(&playback_, &PairPlayback::ended, this, &PlaylistController::Ended);
  connect(&playback_, &PairPlayback::stopped, this, &PlaylistController::Stopped);
}

void PlaylistController::OpenCommand() {
  if (playback_.loadPending() || open_dialog_busy_ || playback_.closed()) return;
  const CBIniFile settings(folders_.settings_file());
  const QString start = QString::fromStdString(settings.GetString(kViewerSection, kOpenPathKey, ""));
  open_dialog_busy_ = true;
  const QStringList chosen =
      prompts_.ChooseFiles(UiText(TextTable::ProgramTexts, rows::program_texts::kOpenRecordingsTitle), start,
                           QStringLiteral("drf0*.mp4 (drf0*.mp4)"), FilePick::Several);
  open_dialog_busy_ = false;
  if (chosen.isEmpty()) return;
  // One file: its full path; several: their folder. The dialog starts there next time.
  const QString remembered = chosen.size() == 1 ? chosen.front() : QFileInfo(chosen.front()).absolutePath();
  // Only a convenience for the next open: a settings file we may not write costs nothing more.
  [[maybe_unused]] const bool remembered_saved =
      settings.WriteString(kViewerSection, kOpenPathKey, remembered.toStdString());
  Replace(FrontRecordingsInOrder(ToPaths(chosen)));
}

void PlaylistController::OpenFiles(const QStringList& files) {
  if (playback_.closed()) return;
  const std::vector<std::string> chosen = FrontRecordingsInOrder(ExpandDroppedPaths(ToPaths(files)));
  if (chosen.empty()) return;  // names that are not recordings are left out silently
  Replace(chosen);
}

void PlaylistController::Replace(const std::vector<std::string>& paths) {
  // A load under way belongs to rows that are going: given up now, it cannot fail later
  // and take the new first row's turn.
  if (playback_.loadPending()) playback_.Stop(StopKind::Internal);
  playback_.DisarmAdvance();
  playback_.DiscardPrepared();
  view_.RemoveAll();
  view_.AppendRows(paths);
  if (view_.RowCount() == 0) return;
  view_.SelectRow(0);
  timers_.Start(kStart);
}

void PlaylistController::AddRows(const std::vector<std::string>& paths) {
  if (paths.empty() || playback_.closed()) return;
  playback_.DiscardPrepared();
  view_.AppendRows(paths);
  view_.SelectRow(0);
  timers_.Start(kStart);
}

void PlaylistController::Apply(const PlaylistChange& change) {
  if (change.replace) {
    Replace(change.paths);
  } else {
    AddRows(change.paths);
  }
}

void PlaylistController::DeleteSelected() {
  playback_.DiscardPrepared();
  view_.DeleteSelected();
}

void PlaylistController::DeleteAll() {
  if (view_.RowCount() == 0) return;
  if (!ShowMessage(prompts_, msg::kRemoveAll, QStringLiteral(" "), true, true)) return;
  playback_.DiscardPrepared();
  view_.RemoveAll();
}

void PlaylistController::RowActivated() {
  if (view_.SelectedRow() < 0 || playback_.loadPending() || playback_.closed()) return;
  playback_.Stop(StopKind::Internal);
  Play();
}

bool PlaylistController::HasRowBeside(int delta) const {
  const int row = view_.SelectedRow() + delta;
  return view_.SelectedRow() >= 0 && row >= 0 && row < view_.RowCount();
}

void PlaylistController::PlayRowBeside(int delta) {
  if (!HasRowBeside(delta) || playback_.loadPending() || playback_.closed()) return;
  view_.SelectRow(view_.SelectedRow() + delta);
  RowActivated();
}

void PlaylistController::Play() {
  playback_.Play([this] { return PickSelectedRow(); });
}

void PlaylistController::TogglePause() {
  playback_.TogglePause([this] { return PickSelectedRow(); });
}

bool PlaylistController::StartPending() const { return timers_.IsActive(kStart); }

bool PlaylistController::PlayNext() {
  if (!view_.SelectNext()) return false;
  Play();
  return true;
}

std::optional<std::filesystem::path> PlaylistController::PickSelectedRow() {
  if (view_.SelectedRow() < 0) {
    ShowMessage(prompts_, msg::kSelectPlaylistItem);
    return std::nullopt;
  }
  return SelectedFront();
}

std::filesystem::path PlaylistController::SelectedFront() const {
  const int row = view_.SelectedRow();
  return row < 0 ? std::filesystem::path() : std::filesystem::path(FrontPathOfRow(view_.PathAt(row)));
}

// The row that plays after the selected one, for the copies made ahead.
std::optional<std::filesystem::path> PlaylistController::NextRow() const {
  const int next = view_.SelectedRow() + 1;
  if (next <= 0 || next >= view_.RowCount()) return std::nullopt;
  return std::filesystem::path(FrontPathOfRow(view_.PathAt(next)));
}

// Recordings were just opened; the first one plays.
void PlaylistController::StartTick() {
  if (playback_.loadPending()) {
    timers_.Start(kStart);  // try again once the load under way is over
    return;
  }
  // Stopped on behalf of the play that follows: PLAY does not flash up meanwhile.
  playback_.Stop(StopKind::Internal);
  Play();
}

void PlaylistController::LoadFailed() {
  // Rows just added wait for their own start: the failed row does not take its turn.
  if (StartPending()) return;
  if (!PlayNext()) emit transportRests();
}

// The pair that ended was stopped: the next row plays, or the transport rests.
void PlaylistController::Ended() {
  if (!PlayNext()) emit transportRests();
}

// A stop gives up the start of rows added meanwhile, but a failed load leaves it as it is
// (it starts its second anew).
void PlaylistController::Stopped(StopKind kind) {
  if (kind == StopKind::Failed && StartPending()) {
    timers_.Start(kStart);
  } else {
    timers_.Stop(kStart);
  }
}

void PlaylistController::DecryptSelected() {
  if (playback_.loadPending() || playback_.closed()) return;
  const auto plays = [](const IChannelPlayer* player) { return player != nullptr && player->IsPlaying(); };
  const bool playing = plays(playback_.front()) || plays(playback_.rear());
  if (const auto refusal = DecryptRefusal(playing, view_.RowCount(), view_.SelectedRow())) {
    ShowMessage(prompts_, *refusal);
    return;
  }
  const std::filesystem::path source = view_.PathAt(view_.SelectedRow());
  const AskPassword ask = [this](const PasswordQuestion& question) { return prompts_.Password(question); };
  const DecryptSaveResult saved =
      DecryptAndSave(source, SettingFolder(folders_, FolderKind::Decryption), playback_.passwords(), ask);
  for (const Notice& notice : DecryptNotices(saved)) {
    ShowMessage(prompts_, notice.message, QString::fromStdString(notice.detail));
  }
}

}  // namespace direvovu::gui
