// The SD download button: the window only opens the download dialog and applies what it did.
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/sdcard/sd_download_dialog.h"
#include "gui/sdcard/sd_search.h"
#include "platform/drive_table.h"

namespace direvovu::gui {

void CVantorDlg::SdDownloadCommand() {
  if (closing()) return;
  SearchCardForButton(prompts_, card_, true);
  SdDownloadContext context;
  context.folders = folders_;
  context.cardLetter = card_.letter;
  context.drives = platform::CurrentDrives();
  context.played = startedCount() > 0;
  context.tables = &card_tables_;
  CSDDownLoad dialog(std::move(context), prompts_, *formatter_, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.playlistChange()) return;
  ApplySdDownload(*dialog.playlistChange());
}

void CVantorDlg::ApplySdDownload(const PlaylistChange& change) {
  if (change.replace) {
    ReplacePlaylist(change.paths);
  } else {
    AddRows(change.paths);
  }
}

}  // namespace direvovu::gui
