// The report buttons: the event report and the program information (modal, after the SD
// search box), and the driving-information window (a new one at each press).
#include <QAbstractButton>

#include "core/app/main_window_layout.h"
#include "gui/app/vantor_dlg.h"
#include "gui/map/car_info.h"
#include "gui/reports/event_dlg.h"
#include "gui/reports/program_info.h"
#include "gui/sdcard/sd_search.h"
#include "platform/drive_table.h"

namespace direvovu::gui {

void CVantorDlg::ConnectReportCommands() {
  const auto on = [this](int id, void (CVantorDlg::*command)()) {
    if (QAbstractButton* pressed = button(id)) connect(pressed, &QAbstractButton::clicked, this, command);
  };
  on(ctl::kEventLog, &CVantorDlg::EventLogCommand);
  on(ctl::kInfo, &CVantorDlg::ProgramInfoCommand);
  on(ctl::kDrivingInfo, &CVantorDlg::DrivingInfoCommand);
}

void CVantorDlg::EventLogCommand() {
  if (closing()) return;
  SearchCardForButton(prompts_, card_, false);
  EventDlgContext context;
  context.folders = folders_;
  context.cardLetter = card_.letter;
  context.drives = platform::CurrentDrives();
  context.tables = &card_tables_;
  CEventDlg dialog(std::move(context), prompts_, this);
  dialog.exec();
}

void CVantorDlg::ProgramInfoCommand() {
  if (closing()) return;
  if (card_.letter == 0) RunSdSearchBox(prompts_, card_);
  ProgramInfoContext context;
  context.cardLetter = card_.letter;
  context.drives = platform::CurrentDrives();
  CProgramInfo dialog(std::move(context), this);
  dialog.exec();
}

void CVantorDlg::DrivingInfoCommand() {
  if (closing()) return;
  DestroyCarInfoWindow();
  CarInfoContext context;
  context.folders = folders_;
  context.driving = &playback_->driving();
  context.playing = [this] { return isPlaying(); };
  context.position = [this] {
    ObdPlayPosition at;
    at.recording = playback_->recording();
    if (const IChannelPlayer* leading = playback_->Leading()) at.playMs = leading->GetTime();
    at.recordsPerSecond = track().recordsPerSecond;
    at.recordCount = static_cast<std::size_t>(std::max(track().count, 0));
    return at;
  };
  car_info_ = new CCarInfo(std::move(context), prompts_, this);
  // Closed by its button, it goes; the next press makes a new one anyway.
  connect(car_info_, &QDialog::finished, this, [this] {
    if (car_info_ != nullptr) car_info_->deleteLater();
    car_info_ = nullptr;
  });
  car_info_->show();
}

void CVantorDlg::DestroyCarInfoWindow() {
  delete car_info_;
  car_info_ = nullptr;
}

}  // namespace direvovu::gui
