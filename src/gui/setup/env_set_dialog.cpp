#include "gui/setup/env_set_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

namespace vs = rows::viewer_setup;

QString Common(int row) { return UiText(TextTable::CommonButtons, row); }
QString Viewer(int row) { return UiText(TextTable::ViewerSetup, row); }

// Two radios of one choice, in a group of their own so that pairs stay independent.
void PairRadios(QDialog* owner, QRadioButton* (&pair)[2], const QString& first, const QString& second) {
  auto* group = new QButtonGroup(owner);
  pair[0] = new QRadioButton(first, owner);
  pair[1] = new QRadioButton(second, owner);
  group->addButton(pair[0], 0);
  group->addButton(pair[1], 1);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : widgets) row->addWidget(w);
  row->addStretch();
  return row;
}

}  // namespace

CEnvSet::CEnvSet(WorkingFolders folders, int volume, IPrompts& prompts, ApplySettings apply, QWidget* parent)
    : QDialog(parent),
      folders_(std::move(folders)),
      volume_(volume),
      prompts_(prompts),
      apply_(std::move(apply)) {
  BuildControls();
  BuildLayout();
  opened_ = OpenViewerSetup(folders_, CurrentLanguage());
  opened_language_ = opened_.language;
  Show(opened_);
}

void CEnvSet::BuildControls() {
  setWindowTitle(Viewer(vs::kTitle));
  capture_ = new QLineEdit(this);
  decryption_ = new QLineEdit(this);
  capture_->setMinimumWidth(320);
  capture_open_ = new QPushButton(Common(rows::common::kOpen), this);
  decryption_open_ = new QPushButton(Common(rows::common::kOpen), this);
  language_ = new QComboBox(this);
  // Each language in its own script, whatever the language in use.
  for (int i = 0; i < kLanguageCount; ++i) language_->addItem(UiText(TextTable::LanguageNames, i));
  interval_ = new QComboBox(this);
  for (int i = 0; i < vs::kIntervalCount; ++i) interval_->addItem(Viewer(vs::kFirstInterval + i));
  PairRadios(this, speed_, QStringLiteral("mile/hour"), QStringLiteral("km/hour"));
  PairRadios(this, marker_, Viewer(vs::kOff), Viewer(vs::kOn));
  save_ = new QPushButton(Common(rows::common::kSave), this);
  cancel_ = new QPushButton(Common(rows::common::kCancel), this);
  save_->setDefault(true);
  connect(capture_open_, &QPushButton::clicked, this,
          [this] { Browse(capture_, msg::kSelectCaptureFolder); });
  connect(decryption_open_, &QPushButton::clicked, this,
          [this] { Browse(decryption_, msg::kSelectDecryptionFolder); });
  connect(save_, &QPushButton::clicked, this, &CEnvSet::OnSave);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CEnvSet::BuildLayout() {
  auto* general = new QGroupBox(Viewer(vs::kGeneralGroup), this);
  auto* g = new QGridLayout(general);
  g->addWidget(new QLabel(Viewer(vs::kCaptureFolder), general), 0, 0);
  g->addWidget(capture_, 0, 1);
  g->addWidget(capture_open_, 0, 2);
  g->addWidget(new QLabel(Viewer(vs::kDecryptionFolder), general), 1, 0);
  g->addWidget(decryption_, 1, 1);
  g->addWidget(decryption_open_, 1, 2);
  g->addWidget(new QLabel(Viewer(vs::kLanguage), general), 2, 0);
  g->addLayout(Row({language_}), 2, 1, 1, 2);
  g->addWidget(new QLabel(Viewer(vs::kSpeedUnit), general), 3, 0);
  g->addLayout(Row({speed_[0], speed_[1]}), 3, 1, 1, 2);

  auto* map = new QGroupBox(Viewer(vs::kMapDisplayGroup), this);
  auto* m = new QGridLayout(map);
  m->addWidget(new QLabel(Viewer(vs::kUseMarker), map), 0, 0);
  m->addLayout(Row({marker_[0], marker_[1]}), 0, 1);
  m->addWidget(new QLabel(Viewer(vs::kMarkerFrequency), map), 1, 0);
  m->addLayout(Row({interval_}), 1, 1);
  m->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  auto* all = new QVBoxLayout(this);
  all->addWidget(general);
  all->addWidget(map);
  all->addLayout(buttons);
}

void CEnvSet::Show(const ViewerSetupValues& v) {
  capture_->setText(QString::fromStdString(v.capture_folder));
  decryption_->setText(QString::fromStdString(v.decryption_folder));
  language_->setCurrentIndex(v.language);
  speed_[v.speed_unit != 0 ? 1 : 0]->setChecked(true);
  marker_[v.marker_on ? 1 : 0]->setChecked(true);
  interval_->setCurrentIndex(v.route_interval);
}

ViewerSetupValues CEnvSet::Taken() const {
  ViewerSetupValues v = opened_;  // the download folder goes back as it came
  v.capture_folder = capture_->text().toStdString();
  v.decryption_folder = decryption_->text().toStdString();
  v.language = language_->currentIndex();
  v.speed_unit = speed_[1]->isChecked() ? 1 : 0;
  v.marker_on = marker_[1]->isChecked();
  v.route_interval = interval_->currentIndex();
  return v;
}

void CEnvSet::Browse(QLineEdit* field, MessageId prompt) {
  const QString chosen = prompts_.ChooseFolder(UiLabel(prompt), field->text());
  if (!chosen.isEmpty()) field->setText(chosen);
}

void CEnvSet::OnSave() {
  const ViewerSetupValues values = Taken();
  if (!SaveViewerSetup(folders_, values, volume_)) {
    // Settings that did not reach the file would be lost at the next start.
    ShowMessage(prompts_, msg::kCantOpenFile, QString::fromStdString(folders_.settings_file().string()));
    return;
  }
  const bool language_changed = values.language != opened_language_;
  if (apply_) apply_(language_changed);
  opened_language_ = values.language;
  ShowMessage(prompts_, msg::kSetupSaved);
  accept();
}

}  // namespace direvovu::gui
