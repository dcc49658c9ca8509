#include "gui/app/library_controller.h"

#include "core/library/library_db.h"
#include "core/recording/encrypted_recording.h"
#include "gui/app/library_map_host.h"
#include "gui/app/pair_playback.h"
#include "gui/app/playlist_controller.h"
#include "gui/library/library_dlg.h"
#include "gui/library/library_scanner.h"
#include "player/media_player.h"

namespace direvovu::gui {

LibraryController::LibraryController(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback,
                                     PlaylistController& playlist, QWidget* window)
    : folders_(std::move(folders)),
      prompts_(prompts),
      playback_(playback),
      playlist_(playlist),
      window_(window),
      indexer_(std::make_unique<LibraryScanner>()) {
  indexer_->SetPasswordSource([this] { return AcceptedPassword(); });
  connect(&playback_, &PairPlayback::started, this, &LibraryController::Started);
  connect(indexer_.get(), &LibraryScanner::finished, this, [this] {
    if (dialog_ != nullptr) dialog_->IndexChanged();
    emit indexed();
    IndexNext();
  });
}

LibraryController::~LibraryController() { Stop(); }

void LibraryController::OpenWindow() {
  if (dialog_ == nullptr) {
    auto map = std::make_unique<LibraryMapHost>(folders_);
    map_ = map.get();
    dialog_ = new CLibraryDlg(folders_, prompts_, library::LibraryFileOf(std::nullopt, folders_.root),
                              std::move(map), window_);
    connect(dialog_, &CLibraryDlg::playRequested, this,
            [this](const QByteArray& front, int second) { Play(front.toStdString(), second); });
    connect(dialog_, &QObject::destroyed, this, [this] {
      dialog_ = nullptr;
      map_ = nullptr;
    });
    dialog_->scanner().SetPasswordSource([this] { return AcceptedPassword(); });
    if (!dialog_->OpenLibrary()) {
      delete dialog_;
      return;
    }
    dialog_->ScanRemembered();
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void LibraryController::Play(const std::filesystem::path& front, int second) {
  pending_ = Pending{front, second};
  // Playback of the new list starts one second later, as after any new play list.
  playlist_.Replace({front.string()});
}

// The pair runs: a chosen second other than the start is sought once.
void LibraryController::Started() {
  if (!pending_) return;
  const Pending pending = *pending_;
  pending_.reset();
  if (playback_.recording() != pending.front || pending.second <= 0) return;
  IChannelPlayer* leading = playback_.Leading();
  if (leading == nullptr) return;
  const std::int64_t length = leading->GetLength();
  if (length <= 0) return;
  const std::int64_t target = std::min<std::int64_t>(std::int64_t{pending.second} * 1000, length - 1);
  playback_.SeekToSlider(static_cast<int>(target), static_cast<int>(length));
}

std::optional<std::string> LibraryController::AcceptedPassword() const {
  const std::string_view accepted = SlotText(playback_.passwords().acceptedPassword);
  if (accepted.empty()) return std::nullopt;
  return std::string(accepted);
}

void LibraryController::AddToIndex(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) to_index_.emplace_back(path);
  IndexNext();
}

bool LibraryController::indexing() const { return indexer_->running() || !to_index_.empty(); }

void LibraryController::IndexNext() {
  if (to_index_.empty() || indexer_->running()) return;
  if (indexer_->Start(library::LibraryFileOf(std::nullopt, folders_.root), to_index_)) to_index_.clear();
}

void LibraryController::RefreshTexts() {
  if (dialog_ != nullptr) dialog_->RefreshTexts();
}

void LibraryController::Stop() {
  pending_.reset();
  to_index_.clear();
  indexer_->Stop();
  if (dialog_ != nullptr) dialog_->scanner().Stop();
}

}  // namespace direvovu::gui
