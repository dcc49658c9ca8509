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
  if (loadPending() || closing()) return;
  const auto plays = [](const IChannelPlayer* player) { return player != nullptr && player->IsPlaying(); };
  if (plays(frontPlayer()) || plays(rearPlayer())) {
    ShowMessage(prompts_, msg::kStopPlaying);
    return;
  }
  const int row = playlist_->SelectedRow();
  if (row < 0) {
    ShowMessage(prompts_, playlist_->RowCount() == 0 ? msg::kNoFileForDecryption : msg::kSelectPlaylistItem);
    return;
  }
  const std::filesystem::path source = playlist_->PathAt(row);
  const AskPassword ask = [this](const PasswordQuestion& question) { return prompts_.Password(question); };
  const DecryptSaveResult saved =
      DecryptAndSave(source, SettingFolder(folders_, FolderKind::Decryption), playback_->passwords(), ask);
  switch (saved.status) {
    case SaveStatus::Abandoned:
      return;  // the user gave up in the password dialogs; nothing was written
    case SaveStatus::Failed:
      // The front copy is complete when only the rear failed: say so before the failure.
      if (!saved.written.empty()) {
        ShowMessage(prompts_, msg::kDecrypted, QString::fromStdString(saved.written.front().string()));
      }
      [[fallthrough]];
    case SaveStatus::Saved:
    case SaveStatus::NotEncrypted:
      if (saved.messageRow >= 0)
        ShowMessage(prompts_, saved.messageRow, QString::fromStdString(saved.detail));
      return;
  }
}

void CVantorDlg::PasswordCommand() {
  if (loadPending() || closing()) return;
  RunSdPasswordCommand(prompts_, card_, this);
}

}  // namespace direvovu::gui
