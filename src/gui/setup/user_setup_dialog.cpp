#include "gui/setup/user_setup_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/settings/texts.h"
#include "core/setup/time_zones.h"
#include "gui/controls/sd_drive_dialog.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

namespace bb = rows::black_box_setup;
namespace fp = rows::file_password;

constexpr int kClockMs = 1000;

QString Common(int row) { return UiText(TextTable::CommonButtons, row); }
QString BlackBox(int row) { return UiText(TextTable::BlackBoxSetup, row); }

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : widgets) row->addWidget(w);
  row->addStretch();
  return row;
}

QComboBox* ListOf(QWidget* parent, int count, const std::function<std::string(int)>& text) {
  auto* list = new QComboBox(parent);
  for (int i = 0; i < count; ++i) list->addItem(QString::fromStdString(text(i)));
  return list;
}

// The second radio of a pair is the switch's On.
bool SecondChecked(QRadioButton* const (&pair)[2]) { return pair[1]->isChecked(); }
int Checked(QRadioButton* const (&pair)[2]) { return SecondChecked(pair) ? 1 : 0; }

}  // namespace

CUserSetup::CUserSetup(UserSetupContext context, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), prompts_(prompts) {
  BuildControls();
  BuildLists();
  BuildLayout();
  setDrive(context_.card_letter);
  Show(OpenCameraSetup(setup_folder_, context_.pc_seconds_west));
  ShowClock();
  connect(&clock_timer_, &QTimer::timeout, this, &CUserSetup::ShowClock);
  clock_timer_.start(kClockMs);
}

void CUserSetup::BuildControls() {
  setWindowTitle(BlackBox(bb::kTitle));
  folder_ = new QLineEdit(this);
  folder_->setReadOnly(true);
  folder_->setMinimumWidth(260);
  open_ = new QPushButton(Common(rows::common::kOpen), this);
  driver_ = new QLineEdit(this);
  car_no_ = new QLineEdit(this);
  driver_->setMaxLength(static_cast<int>(kCameraTextChars));
  car_no_->setMaxLength(static_cast<int>(kCameraTextChars));
  clock_ = new QLineEdit(this);
  clock_->setReadOnly(true);
  save_time_ = new QPushButton(BlackBox(bb::kSaveTime), this);
  save_ = new QPushButton(Common(rows::common::kSave), this);
  cancel_ = new QPushButton(Common(rows::common::kCancel), this);
  save_->setDefault(true);
  const QString off = UiText(TextTable::FilePassword, fp::kOff);
  const QString on = UiText(TextTable::FilePassword, fp::kOn);
  const QString texts[kPairCount][2] = {
      {BlackBox(bb::kFastSetup), BlackBox(bb::kManualSetup)}, {off, on}, {off, on}, {off, on}, {off, on},
      {BlackBox(bb::kShare25), BlackBox(bb::kShare50)}};
  for (int p = 0; p < kPairCount; ++p) {
    auto* group = new QButtonGroup(this);  // each pair on its own
    for (int v = 0; v < 2; ++v) {
      radios_[p][v] = new QRadioButton(texts[p][v], this);
      group->addButton(radios_[p][v], v);
    }
  }
  connect(open_, &QPushButton::clicked, this, &CUserSetup::OnOpen);
  connect(save_time_, &QPushButton::clicked, this, &CUserSetup::OnSaveTime);
  connect(save_, &QPushButton::clicked, this, &CUserSetup::OnSave);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CUserSetup::BuildLists() {
  sensitivity_ = new QListWidget(this);
  for (int i = 0; i < kSensitivityCount; ++i) sensitivity_->addItem(BlackBox(bb::kFirstSensitivity + i));
  sensitivity_->setFixedHeight(sensitivity_->sizeHintForRow(0) * kSensitivityCount +
                               2 * sensitivity_->frameWidth());
  for (auto*& list : threshold_) list = ListOf(this, kThresholdCount, ThresholdText);
  cutoff_ = ListOf(this, kCutOffVoltCount, CutOffVoltText);
  fps_ = ListOf(this, kFrameRateCount, FrameRateText);
  time_zone_ = new QComboBox(this);
  for (const TimeZoneRow& row : TimeZoneRows())
    time_zone_->addItem(QString::fromUtf8(row.text.data(), static_cast<int>(row.text.size())));
}

QWidget* CUserSetup::BuildImpactGroup() {
  auto* group = new QGroupBox(BlackBox(bb::kImpactGroup), this);
  auto* g = new QGridLayout(group);
  g->addLayout(Row({radios_[kImpactType][0], radios_[kImpactType][1]}), 0, 0, 1, 2);
  g->addWidget(sensitivity_, 1, 0, 3, 1);
  static const char* const axes[] = {"X", "Y", "Z"};
  for (int axis = 0; axis < 3; ++axis) {
    g->addLayout(Row({new QLabel(QString::fromLatin1(axes[axis]), group), threshold_[axis]}), 1 + axis, 1);
  }
  return group;
}

QWidget* CUserSetup::BuildOptionsGroup() {
  auto* box = new QWidget(this);
  auto* g = new QGridLayout(box);
  g->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  const auto add = [&](const QString& label, QLayout* controls) {
    g->addWidget(new QLabel(label, box), row, 0);
    g->addLayout(controls, row++, 1);
  };
  add(BlackBox(bb::kCutOffVoltage), Row({cutoff_}));
  add(BlackBox(bb::kFrameRate), Row({fps_}));
  const std::pair<int, QString> pairs[] = {
      {kEncryption, UiText(TextTable::FilePassword, fp::kFileEncryption)},
      {kMute, BlackBox(bb::kMute)},
      {kBuzzer, BlackBox(bb::kBuzzer)},
      {kMirror, BlackBox(bb::kRearMirror)},
      {kParking, BlackBox(bb::kParkingShare)}};
  for (const auto& [pair, label] : pairs) add(label, Row({radios_[pair][0], radios_[pair][1]}));
  return box;
}

void CUserSetup::BuildLayout() {
  auto* top = new QGridLayout;
  top->addWidget(new QLabel(BlackBox(bb::kSetupFolder), this), 0, 0);
  top->addWidget(folder_, 0, 1);
  top->addWidget(open_, 0, 2);
  top->addWidget(new QLabel(BlackBox(bb::kDriver), this), 1, 0);
  top->addWidget(driver_, 1, 1, 1, 2);
  top->addWidget(new QLabel(BlackBox(bb::kLicenseNumber), this), 2, 0);
  top->addWidget(car_no_, 2, 1, 1, 2);
  auto* middle = new QHBoxLayout;
  middle->addWidget(BuildImpactGroup(), 0, Qt::AlignTop);
  middle->addWidget(BuildOptionsGroup(), 1, Qt::AlignTop);
  auto* bottom = new QGridLayout;
  bottom->addWidget(new QLabel(BlackBox(bb::kSetTime), this), 0, 0);
  bottom->addWidget(clock_, 0, 1);
  bottom->addWidget(save_time_, 0, 2);
  bottom->addWidget(new QLabel(BlackBox(bb::kTimeZone), this), 1, 0);
  bottom->addWidget(time_zone_, 1, 1, 1, 2);
  bottom->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addLayout(middle);
  all->addLayout(bottom);
  all->addLayout(buttons);
}

void CUserSetup::setDrive(char letter) {
  const auto drive = letter != 0 ? DriveByLetter(context_.drives, letter) : std::nullopt;
  drive_root_ = drive ? drive->root : std::filesystem::path();
  setup_folder_ = drive ? CardSetupFolder(drive->root) : std::filesystem::path();
  folder_->setText(QString::fromStdString(setup_folder_.string()));
}

void CUserSetup::Show(const CameraSetupForm& form) {
  const CameraSettings& s = form.settings;
  driver_->setText(QString::fromStdString(s.driver));
  car_no_->setText(QString::fromStdString(s.car_no));
  sensitivity_->setCurrentRow(s.impact_val_index);
  threshold_[0]->setCurrentIndex(s.impact_x_index);
  threshold_[1]->setCurrentIndex(s.impact_y_index);
  threshold_[2]->setCurrentIndex(s.impact_z_index);
  cutoff_->setCurrentIndex(s.cutoff_volt);
  fps_->setCurrentIndex(s.fps_index);
  const bool second[kPairCount] = {s.impact_type != 0, s.file_pwd_on, s.mute_on,
                                   s.buzzer_on,        s.mirror_on,   s.parking_ratio != 0};
  for (int p = 0; p < kPairCount; ++p) radios_[p][second[p] ? 1 : 0]->setChecked(true);
  time_zone_->setCurrentIndex(form.time_zone_row);
}

CameraSetupForm CUserSetup::Taken() const {
  CameraSetupForm form;
  CameraSettings& s = form.settings;
  s.driver = driver_->text().toStdString();
  s.car_no = car_no_->text().toStdString();
  s.impact_type = Checked(radios_[kImpactType]);
  s.impact_val_index = sensitivity_->currentRow();
  s.impact_x_index = threshold_[0]->currentIndex();
  s.impact_y_index = threshold_[1]->currentIndex();
  s.impact_z_index = threshold_[2]->currentIndex();
  s.cutoff_volt = cutoff_->currentIndex();
  s.fps_index = fps_->currentIndex();
  s.file_pwd_on = SecondChecked(radios_[kEncryption]);
  s.mute_on = SecondChecked(radios_[kMute]);
  s.buzzer_on = SecondChecked(radios_[kBuzzer]);
  s.mirror_on = SecondChecked(radios_[kMirror]);
  s.parking_ratio = Checked(radios_[kParking]);
  form.time_zone_row = time_zone_->currentIndex();
  return form;
}

void CUserSetup::ShowClock() {
  clock_->setText(QString::fromStdString(ClockDisplayText(context_.now(), CurrentLanguage())));
}

void CUserSetup::OnOpen() {
  if (context_.drives_now) context_.drives = context_.drives_now();
  CSDDrive chooser(context_.drives, this);
  if (chooser.exec() == QDialog::Accepted && chooser.chosenLetter() != 0) setDrive(chooser.chosenLetter());
}

void CUserSetup::OnSaveTime() {
  const SetupWriteResult result = SaveClockFile(setup_folder_, drive_root_, context_.now());
  if (result.message) ShowMessage(prompts_, *result.message);
}

void CUserSetup::OnSave() {
  const SetupWriteResult result = SaveCameraSetup(setup_folder_, drive_root_, Taken());
  if (result.message) ShowMessage(prompts_, *result.message);
  if (result.written) accept();
}

void CUserSetup::done(int result) {
  clock_timer_.stop();
  QDialog::done(result);
}

}  // namespace direvovu::gui
