// The route window's log, trips and replay.
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

#include "core/io/byte_reader.h"
#include "core/map/map_page.h"
#include "core/map/route_window_layout.h"
#include "core/settings/texts.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"
#include "gui/map/router_dlg.h"
#include "platform/address_lookup.h"
#include "platform/drive_table.h"

namespace direvovu::gui {
namespace {

namespace ctl = map::route_ctl;

enum PointKind { kStartPoint, kEndPoint, kStepPoint };

constexpr QColor kRowBack(241, 241, 241);

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::optional<std::filesystem::path> CRouter::ChooseLogFile() {
  QString start;
  if (!log_folder_chosen_) {
    // The first open starts in the card's Setup folder, where the camera writes its logs.
    if (card_.CardLetter() == 0 && card_.SearchCard() == 0) ShowMessage(prompts_, msg::kConnectSd);
    if (const auto drive = DriveByLetter(platform::CurrentDrives(), card_.CardLetter()))
      start = QString::fromStdString((drive->root / "Setup").string());
    log_folder_chosen_ = true;
  }
  namespace pt = rows::program_texts;
  const QString title = ToQString(Text(TextTable::ProgramTexts, pt::kOpenDrivingLogTitle, language_));
  const QString type = ToQString(Text(TextTable::ProgramTexts, pt::kDrivingLogFiles, language_));
  const QStringList files =
      prompts_.ChooseFiles(title, start, QStringLiteral("%1 (*.dat)").arg(type), FilePick::One);
  if (files.isEmpty()) return std::nullopt;
  return std::filesystem::path(files.front().toStdString());
}

void CRouter::OpenDrivingLog() {
  if (busy_) return;
  busy_ = true;
  const auto file = ChooseLogFile();
  if (file) {
    if (ParseDrivingLog(*file)) {
      SelectTrip();
    } else {
      // Shown in every language: a refused file is always reported.
      ShowMessage(prompts_, msg::kNotDrivingLog, QString::fromStdString(file->string()));
    }
  }
  busy_ = false;
  ResetTracing(true);
  slider_->SetPos(0);
}

bool CRouter::ParseDrivingLog(const std::filesystem::path& file) {
  const auto reader = FileReader::Open(file);
  if (!reader) return true;
  map::ParsedLog log = map::ParseDrivingLog(*reader);
  if (log.refusal == map::LogRefusal::ReadFailed) return true;
  ReleaseLog();
  if (!log.Loaded()) return false;
  records_ = std::move(log.records);
  trips_ = map::BuildTrips(records_);
  RenewAddressLookup();
  FillTripList();
  return true;
}

// The records go, and with them every row that points into them.
void CRouter::ReleaseLog() {
  draw_timer_->stop();
  list_->clear();
  records_.clear();
  trips_.clear();
  selected_trip_ = -1;
  ResetTracing(false);
}

void CRouter::FillTripList() {
  for (const map::TripSummary& trip : trips_) {
    auto* row = new QTreeWidgetItem(list_, {Utf8(trip.number), Utf8(trip.date), Utf8(trip.times)});
    for (int column = 0; column < row->columnCount(); ++column) {
      row->setTextAlignment(column, Qt::AlignCenter);
      row->setBackground(column, kRowBack);
      row->setForeground(column, Qt::black);
    }
  }
  if (list_->topLevelItemCount() == 0) return;
  list_->setCurrentItem(list_->topLevelItem(0));
  list_->topLevelItem(0)->setSelected(true);
  list_->setFocus();
}

const map::TripSummary* CRouter::SelectedTripSummary() const {
  if (selected_trip_ < 0 || static_cast<std::size_t>(selected_trip_) >= trips_.size()) return nullptr;
  return &trips_[static_cast<std::size_t>(selected_trip_)];
}

void CRouter::SelectTrip() {
  const QList<QTreeWidgetItem*> chosen = list_->selectedItems();
  if (chosen.isEmpty()) return;
  const int row = list_->indexOfTopLevelItem(chosen.front());
  if (row < 0 || static_cast<std::size_t>(row) >= trips_.size()) return;
  ResetTracing(true);
  selected_trip_ = row;
  CallPage(map::NoDataCall("clear_overlay"));
  draw_timer_->start(10);
}

void CRouter::DrawSelectedTrip() {
  draw_timer_->stop();
  const map::TripSummary* trip = SelectedTripSummary();
  if (trip == nullptr) return;
  SendRoutePoint(trip->startIndex, kStartPoint, 0);
  SendRoutePoint(std::max(trip->startIndex, trip->endIndex - 1), kEndPoint, 0);
  if (!CallPage(map::ShowRouteCall(map::TripRoutePoints(records_, *trip))))
    ShowMessage(prompts_, msg::kScriptError);
  trace_.currentRecord = trip->startIndex;
  ShowTripInfo();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the record, what it is, how far the trace is
void CRouter::SendRoutePoint(int record, int kind, int progress) {
  if (record < 0 || static_cast<std::size_t>(record) >= records_.size()) return;
  const map::LogRecord& r = records_[static_cast<std::size_t>(record)];
  date_text_ = QString::fromStdString(map::RecordDateText(r));
  time_text_ = QString::fromStdString(map::RecordTimeText(r));
  const map::RoutePoint point{progress, r.Position(), r.year,   r.month,    r.day,
                              r.hour,   r.minute,     r.second, show_time_, hide_marker_};
  if (kind == kEndPoint) {
    CallPage(map::RoutePointCall("end_route", point));
    return;
  }
  latitude_text_ = QString::fromStdString(map::FixedText(r.latitude, 5));
  longitude_text_ = QString::fromStdString(map::FixedText(r.longitude, 5));
  CallPage(map::RoutePointCall(kind == kStartPoint ? "start_route" : "on_set_route2", point));
  LookUpAddress(r, kind == kStartPoint);
}

void CRouter::TraceOne(const map::TraceOutcome& step, bool always) {
  SendRoutePoint(step.record, kStepPoint, step.progress);
  if (always && unlooked_point_) LookUpAddress(*unlooked_point_, true);
  if (step.slider) slider_->SetPos(*step.slider);
  ShowTripInfo();
}

void CRouter::StartTracing() {
  const map::TripSummary* trip = SelectedTripSummary();
  if (trip == nullptr) return;
  ShowOneOf(ctl::kPause, ctl::kPlay);
  if (map::StartTracing(trace_, *trip)) {
    trace_timer_->start(trace_.pace.intervalMs);
  } else {
    trace_timer_->stop();
  }
}

void CRouter::PauseTracing() {
  EnterStopState();
  // Where the replay stopped gets its address, whatever the pace allowed on the way.
  if (unlooked_point_) LookUpAddress(*unlooked_point_, true);
}

void CRouter::EnterStopState() {
  trace_timer_->stop();
  ShowOneOf(ctl::kPlay, ctl::kPause);
  map::PauseTracing(trace_);
}

void CRouter::TracingTick() {
  const map::TripSummary* trip = SelectedTripSummary();
  if (trip == nullptr) {
    EnterStopState();
    return;
  }
  const map::TickOutcome outcome = map::TracingTick(trace_, *trip);
  if (outcome.step) TraceOne(*outcome.step, outcome.finished);
  if (!outcome.finished) return;
  EnterStopState();
  slider_->SetPos(0);
}

void CRouter::SeekTrip(int position) {
  const map::TripSummary* trip = SelectedTripSummary();
  if (trip == nullptr) {
    slider_->SetPos(0);
    return;
  }
  const bool was_tracing = trace_.tracing;
  const map::SeekOutcome outcome = map::SeekTrip(trace_, *trip, position);
  if (outcome.stopTimer) trace_timer_->stop();
  if (was_tracing && !trace_.tracing) ShowOneOf(ctl::kPlay, ctl::kPause);
  if (outcome.step) TraceOne(*outcome.step, true);
}

void CRouter::SetTracingSpeed(int index) {
  trace_.pace = map::PaceOf(index);
  if (trace_timer_->isActive()) trace_timer_->setInterval(trace_.pace.intervalMs);
}

bool CRouter::timerRunning() const { return trace_timer_->isActive(); }

// The notices of the two switches keep their language rule: Korean and English only.
void CRouter::SetTimeSwitch(bool on) {
  ShowOneOf(on ? ctl::kTimeOff : ctl::kTimeOn, on ? ctl::kTimeOn : ctl::kTimeOff);
  show_time_ = on;
  if (trace_.currentRecord >= 0) CallPage(map::NoDataCall(on ? "OpenInfo" : "CloseInfo"));
  if (language_ == kKorean || language_ == kEnglish)
    ShowMessage(prompts_, on ? msg::kTimeShown : msg::kTimeHidden);
}

// The switch at 1 (button 1006) hides the moving marker and says so; at 0 it is shown.
void CRouter::SetMarkerSwitch(bool on) {
  ShowOneOf(on ? ctl::kMarkerOff : ctl::kMarkerOn, on ? ctl::kMarkerOn : ctl::kMarkerOff);
  hide_marker_ = on;
  if (language_ == kKorean || language_ == kEnglish)
    ShowMessage(prompts_, on ? msg::kMarkerHidden : msg::kMarkerShown);
}

void CRouter::ResetTracing(bool clear_page) {
  map::ResetTrace(trace_);
  slider_->SetPos(0);
  address_ = {};
  unlooked_point_.reset();
  if (lookup_) lookup_->Forget();
  date_text_.clear();
  time_text_.clear();
  latitude_text_.clear();
  longitude_text_.clear();
  if (clear_page) {
    trace_timer_->stop();
    CallPage(map::NoDataCall("clear_overlay"));
  }
  EnterStopState();
  ShowTripInfo();
}

void CRouter::ShowTripInfo() {
  labels_[ctl::kDriverName]->setText(driver_name_);
  labels_[ctl::kCarNumber]->setText(car_number_);
  const map::TripSummary* trip = SelectedTripSummary();
  if (trip == nullptr) {
    // No trip, no figures: a refused log leaves nothing of the one before.
    for (const int id :
         {ctl::kDistance, ctl::kDrivingTime, ctl::kStoppedTime, ctl::kAverageSpeed, ctl::kMaximumSpeed,
          ctl::kDate, ctl::kTime, ctl::kLatitude, ctl::kLongitude, ctl::kAddress1, ctl::kAddress2})
      labels_[id]->clear();
    return;
  }
  const map::TripInfoTexts info = map::TripInfo(*trip, language_);
  labels_[ctl::kDistance]->setText(QString::fromStdString(info.distance));
  labels_[ctl::kDrivingTime]->setText(QString::fromStdString(info.drivingTime));
  labels_[ctl::kStoppedTime]->setText(QString::fromStdString(info.stoppedTime));
  labels_[ctl::kAverageSpeed]->setText(QString::fromStdString(info.averageSpeed));
  labels_[ctl::kMaximumSpeed]->setText(QString::fromStdString(info.maximumSpeed));
  labels_[ctl::kDate]->setText(date_text_);
  labels_[ctl::kTime]->setText(time_text_);
  labels_[ctl::kLatitude]->setText(latitude_text_);
  labels_[ctl::kLongitude]->setText(longitude_text_);
  labels_[ctl::kAddress1]->setText(Utf8(address_.lines.line1));
  labels_[ctl::kAddress2]->setText(Utf8(address_.lines.line2));
}

// A point without a fix has no address to ask for; a point the pace held back is asked
// for when the replay stops there.
void CRouter::LookUpAddress(const map::LogRecord& record, bool always) {
  if (!record.HasFix() || !lookup_) return;
  if (lookup_->LookUp(record.latitude, record.longitude, always)) {
    unlooked_point_.reset();
  } else {
    unlooked_point_ = record;
  }
}

void CRouter::AddressAnswered(const map::AddressReply& reply) {
  map::ApplyAddressReply(address_, reply);
  ShowTripInfo();
}

// The service as the settings name it now, in the window's language.
void CRouter::RenewAddressLookup() {
  lookup_ = std::make_unique<platform::AddressLookup>(map::ReadAddressService(folders_), language_,
                                                      platform::AddressLookup::DefaultCacheRoot());
  connect(lookup_.get(), &platform::AddressLookup::answered, this, &CRouter::AddressAnswered);
}

}  // namespace direvovu::gui
