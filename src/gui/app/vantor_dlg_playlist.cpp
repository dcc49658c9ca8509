// The play list: the open-file dialog, rows added by other windows, delete, double
// click, drag and drop, and the step to the next row.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "core/app/main_window_layout.h"
#include "core/app/opened_files.h"
#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

constexpr char kOpenPathKey[] = "OPEN_PATH";

// A row that names no front recording plays nothing, rather than a wrong pair.
std::filesystem::path FrontPathOf(const std::string& path) {
  const std::size_t at = path.find("drf0");
  return at != std::string::npos && at > 0 ? std::filesystem::path(path) : std::filesystem::path();
}

QString DialogTitle() {
  return CurrentLanguage() == kKorean ? QStringLiteral("mp4 파일 열기") : QStringLiteral("open mp4 file");
}

std::vector<std::string> ToPaths(const QStringList& files) {
  std::vector<std::string> paths;
  paths.reserve(static_cast<std::size_t>(files.size()));
  for (const QString& file : files) paths.push_back(file.toStdString());
  return paths;
}

}  // namespace

void CVantorDlg::BuildPlaylist() {
  playlist_ = new PlaylistView(this);
  playlist_->setObjectName(QStringLiteral("ctl%1").arg(ctl::kPlayList));
  playlist_->setGeometry(kPlayListArea.left, kPlayListArea.top, kPlayListArea.width, kPlayListArea.height);
  connect(playlist_, &QTreeWidget::itemDoubleClicked, this, [this] { PlayListDoubleClicked(); });
  playback_->SetNextRowSource([this]() -> std::optional<std::filesystem::path> {
    const int next = playlist_->SelectedRow() + 1;
    if (next <= 0 || next >= playlist_->RowCount()) return std::nullopt;
    return FrontPathOf(playlist_->PathAt(next));
  });
  setAcceptDrops(true);
}

void CVantorDlg::OpenCommand() {
  if (loadPending() || open_dialog_busy_ || closing()) return;
  const CBIniFile settings(folders_.settings_file());
  const QString start = QString::fromStdString(settings.GetString(kViewerSection, kOpenPathKey, ""));
  open_dialog_busy_ = true;
  const QStringList chosen =
      prompts_.ChooseFiles(DialogTitle(), start, QStringLiteral("drf0*.mp4 (drf0*.mp4)"));
  open_dialog_busy_ = false;
  if (chosen.isEmpty()) return;
  // One file: its full path; several: their folder. The dialog starts there next time.
  const QString remembered = chosen.size() == 1 ? chosen.front() : QFileInfo(chosen.front()).absolutePath();
  // Only a convenience for the next open: a settings file we may not write costs nothing more.
  [[maybe_unused]] const bool remembered_saved =
      settings.WriteString(kViewerSection, kOpenPathKey, remembered.toStdString());
  ReplacePlaylist(FrontRecordingsInOrder(ToPaths(chosen)));
}

void CVantorDlg::OpenFiles(const QStringList& files) {
  if (closing()) return;
  const std::vector<std::string> chosen = FrontRecordingsInOrder(ExpandDroppedPaths(ToPaths(files)));
  if (chosen.empty()) return;  // names that are not recordings are left out silently
  ReplacePlaylist(chosen);
}

void CVantorDlg::ReplacePlaylist(const std::vector<std::string>& paths) {
  // A load under way belongs to rows that are going: given up now, it cannot fail later
  // and take the new first row's turn.
  if (loadPending()) StopPlayback(StopKind::Internal);
  playback_->DisarmAdvance();
  playback_->DiscardPrepared();
  playlist_->RemoveAll();
  playlist_->AppendRows(paths);
  if (playlist_->RowCount() == 0) return;
  playlist_->SelectRow(0);
  timers_.Start(timer::kPlayOpened);
}

void CVantorDlg::AddRows(const std::vector<std::string>& paths) {
  if (paths.empty() || closing()) return;
  playback_->DiscardPrepared();
  playlist_->AppendRows(paths);
  playlist_->SelectRow(0);
  timers_.Start(timer::kPlayOpened);
}

void CVantorDlg::DeleteItemCommand() {
  playback_->DiscardPrepared();
  playlist_->DeleteSelected();
}

void CVantorDlg::DeleteAllCommand() {
  if (playlist_->RowCount() == 0) return;
  if (!ShowMessage(prompts_, msg::kRemoveAll, QStringLiteral(" "), true, true)) return;
  playback_->DiscardPrepared();
  playlist_->RemoveAll();
}

void CVantorDlg::PlayListDoubleClicked() {
  if (playlist_->SelectedRow() < 0 || loadPending() || closing()) return;
  StopPlayback(StopKind::Internal);
  PlayCommand();
}

bool CVantorDlg::PlayNextRow() {
  if (!playlist_->SelectNext()) return false;
  PlayCommand();
  return true;
}

std::optional<std::filesystem::path> CVantorDlg::PickSelectedRow() {
  if (playlist_->SelectedRow() < 0) {
    ShowMessage(prompts_, msg::kSelectPlaylistItem);
    return std::nullopt;
  }
  return FrontPathOfSelectedRow();
}

std::filesystem::path CVantorDlg::FrontPathOfSelectedRow() const {
  const int row = playlist_->SelectedRow();
  return row < 0 ? std::filesystem::path() : FrontPathOf(playlist_->PathAt(row));
}

void CVantorDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CVantorDlg::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile());
  }
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  // The drop is the user's choice of what to play, like the open-file dialog.
  if (loadPending()) return;
  OpenFiles(files);
}

}  // namespace direvovu::gui
