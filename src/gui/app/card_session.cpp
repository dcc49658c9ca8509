#include "gui/app/card_session.h"

#include <utility>

#include "core/civil_time.h"
#include "gui/controls/sd_search.h"
#include "gui/recording/sd_password_dialog.h"
#include "gui/reports/event_dlg.h"
#include "gui/reports/program_info.h"
#include "gui/sdcard/sd_download_dialog.h"
#include "gui/setup/detail_search_dialog.h"
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

CardSession::CardSession(WorkingFolders folders, IPrompts& prompts)
    : folders_(std::move(folders)), prompts_(prompts) {}

char CardSession::SearchCard() {
  RunSdSearchBox(prompts_, card_);
  return card_.letter;
}

char CardSession::SearchCardReportingMissing() {
  SearchCardForButton(prompts_, card_, true);
  return card_.letter;
}

std::optional<PlaylistChange> CardSession::Download(QWidget* parent) {
  SearchCardForButton(prompts_, card_, true);
  SdDownloadContext context;
  context.folders = folders_;
  context.cardLetter = card_.letter;
  context.drives = platform::CurrentDrives();
  context.played = played_;
  context.tables = &tables_;
  CSDDownLoad dialog(std::move(context), prompts_, *formatter_, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.playlistChange();
}

void CardSession::EventReport(QWidget* parent) {
  SearchCardForButton(prompts_, card_, false);
  EventDlgContext context;
  context.folders = folders_;
  context.cardLetter = card_.letter;
  context.drives = platform::CurrentDrives();
  context.tables = &tables_;
  CEventDlg dialog(std::move(context), prompts_, parent);
  dialog.exec();
}

void CardSession::ProgramInfo(QWidget* parent) {
  if (card_.letter == 0) RunSdSearchBox(prompts_, card_);
  ProgramInfoContext context;
  context.cardLetter = card_.letter;
  context.drives = platform::CurrentDrives();
  CProgramInfo dialog(std::move(context), parent);
  dialog.exec();
}

void CardSession::CameraSetup(QWidget* parent) {
  SearchCardForButton(prompts_, card_, true);
  UserSetupContext context;
  context.card_letter = card_.letter;
  context.drives = platform::CurrentDrives();
  context.drives_now = &platform::CurrentDrives;
  context.pc_seconds_west = platform::PcSecondsWestOfUtc();
  CUserSetup dialog(std::move(context), prompts_, parent);
  dialog.exec();
}

std::vector<std::string> CardSession::DetailSearch(QWidget* parent) {
  SearchCardForButton(prompts_, card_, false);
  DetailSearchContext context;
  context.folders = folders_;
  context.drives = platform::CurrentDrives();
  if (const auto drive = card_.letter != 0 ? DriveByLetter(context.drives, card_.letter) : std::nullopt) {
    context.card_root = drive->root;
  }
  context.tables = &tables_;
  context.today = LocalNow();
  CDetailSearch dialog(std::move(context), prompts_, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return PathTexts(dialog.taken());
}

void CardSession::CardPassword(QWidget* parent) {
  SearchCardForButton(prompts_, card_, true);
  CInputSDPwd dialog(card_.letter, platform::CurrentDrives(), prompts_, parent);
  dialog.exec();
}

}  // namespace direvovu::gui
