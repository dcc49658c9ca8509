// The setup buttons: the window opens the dialogs and applies what they changed.
#include <QAbstractButton>

#include "core/app/main_window_layout.h"
#include "gui/app/vantor_dlg.h"
#include "gui/sdcard/sd_search.h"
#include "gui/setup/detail_search_dialog.h"
#include "gui/setup/env_set_dialog.h"
#include "gui/setup/user_setup_dialog.h"
#include "platform/drive_table.h"
#include "platform/time_zone_offset.h"

namespace direvovu::gui {
namespace {

std::vector<std::string> PathTexts(const std::vector<std::filesystem::path>& paths) {
  std::vector<std::string> texts;
  texts.reserve(paths.size());
  for (const auto& path : paths) texts.push_back(path.string());
  return texts;
}

}  // namespace

void CVantorDlg::ConnectSetupCommands() {
  const auto on = [this](int id, void (CVantorDlg::*command)()) {
    if (QAbstractButton* pressed = button(id)) connect(pressed, &QAbstractButton::clicked, this, command);
  };
  on(ctl::kViewerSetup, &CVantorDlg::ViewerSetupCommand);
  on(ctl::kSetup, &CVantorDlg::CameraSetupCommand);
  on(ctl::kDetailSearch, &CVantorDlg::DetailSearchCommand);
}

void CVantorDlg::ViewerSetupCommand() {
  if (closing()) return;
  CEnvSet dialog(
      folders_, settings_.volume_step, prompts_,
      [this](bool language_changed) { ApplyViewerSettings(language_changed); }, this);
  dialog.exec();
  update();
}

void CVantorDlg::ApplyViewerSettings(bool language_changed) {
  ReloadSettings();
  if (!language_changed) return;
  MapLanguageChanged();
  // The route window reloads now, or is marked to reload when next shown.
  RouteLanguageChanged(settings_.language);
}

void CVantorDlg::CameraSetupCommand() {
  if (closing()) return;
  SearchCardForButton(prompts_, card_, true);
  UserSetupContext context;
  context.card_letter = card_.letter;
  context.drives = platform::CurrentDrives();
  context.pc_seconds_west = platform::PcSecondsWestOfUtc();
  CUserSetup dialog(std::move(context), prompts_, this);
  dialog.exec();
}

void CVantorDlg::DetailSearchCommand() {
  if (closing()) return;
  SearchCardForButton(prompts_, card_, false);
  DetailSearchContext context;
  context.folders = folders_;
  context.drives = platform::CurrentDrives();
  if (const auto drive = card_.letter != 0 ? DriveByLetter(context.drives, card_.letter) : std::nullopt) {
    context.card_root = drive->root;
  }
  context.tables = &card_tables_;
  context.today = LocalNow();
  CDetailSearch dialog(std::move(context), prompts_, this);
  if (dialog.exec() != QDialog::Accepted || dialog.taken().empty()) return;
  // Playback starts one second later, as after any new play list.
  ReplacePlaylist(PathTexts(dialog.taken()));
}

}  // namespace direvovu::gui
