// "Decryption And Save" and the camera password button.
#include "core/recording/decrypt_and_save.h"
#include "core/settings/texts.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/show_message.h"
#include "gui/recording/sd_password_dialog.h"

namespace direvovu::gui {

void CVantorDlg::DecryptCommand() {
  if (load_pending_ || closing_) return;
  const bool busy = (front_ && front_->IsPlaying()) || (rear_ && rear_->IsPlaying());
  if (busy) {
    ShowMessage(msg::kStopPlaying);
    return;
  }
  const int row = playlist_->SelectedRow();
  if (row < 0) {
    ShowMessage(playlist_->RowCount() == 0 ? msg::kNoFileForDecryption : msg::kSelectPlaylistItem);
    return;
  }
  const std::filesystem::path source = playlist_->PathAt(row);
  const DecryptSaveResult saved =
      DecryptAndSave(source, SettingFolder(folders_, FolderKind::Decryption), passwords_, ask_password_);
  switch (saved.status) {
    case SaveStatus::Abandoned:
      return;  // the user gave up in the password dialogs; nothing was written
    case SaveStatus::Failed:
      // The front copy is complete when only the rear failed: say so before the failure.
      if (!saved.written.empty()) {
        ShowMessage(msg::kDecrypted, QString::fromStdString(saved.written.front().string()));
      }
      [[fallthrough]];
    case SaveStatus::Saved:
    case SaveStatus::NotEncrypted:
      if (saved.messageRow >= 0) ShowMessage(saved.messageRow, QString::fromStdString(saved.detail));
      return;
  }
}

void CVantorDlg::PasswordCommand() {
  if (load_pending_ || closing_) return;
  RunSdPasswordCommand(card_, this);
}

}  // namespace direvovu::gui
