#include "gui/export/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "gui/skin/skin_palette.h"
#include "platform/file_manager.h"

namespace direvovu::gui {
namespace {

namespace ew = rows::export_window;

// Longer than any recording, so that a span past the end is typed and then refused with
// the recording's length rather than silently held back by the box.
constexpr double kMaxSeconds = 99999.999;
constexpr int kBarSteps = 1000;

QString Text(int row) { return UiText(TextTable::ExportWindow, row); }
QString Common(int row) { return UiText(TextTable::CommonButtons, row); }

// Seconds as the viewer's language writes them: a decimal comma in Russian and Portuguese,
// as the sizes of the copy dialog; no group separators.
QLocale NumberLocale(int language) {
  QLocale locale = QLocale::c();
  if (language == kRussian) locale = QLocale(QLocale::Russian, QLocale::Russia);
  if (language == kPortugueseBrazil) locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
  locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return locale;
}

// Seconds to the millisecond the players count in, without trailing zeros: "20", "12.5".
class SecondsBox : public QDoubleSpinBox {
 public:
  explicit SecondsBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(3);
    setRange(0, kMaxSeconds);
    setAccelerated(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

 protected:
  [[nodiscard]] QString textFromValue(double value) const override {
    QString text = locale().toString(value, 'f', decimals());
    const QString point = locale().decimalPoint();
    if (!text.contains(point)) return text;
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(point)) text.chop(point.size());
    return text;
  }
};

QString TimeText(double seconds) {
  const long long whole = std::llround(seconds);
  return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

CExportDialog::CExportDialog(IPrompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
  BuildControls();
  BuildLayout();
  RefreshTexts();
  Enter(State::Choosing);
}

void CExportDialog::BuildControls() {
  recording_ = new QLabel(this);
  recording_->setObjectName(QStringLiteral("exportRecording"));
  from_label_ = new QLabel(this);
  from_ = new SecondsBox(this);
  to_label_ = new QLabel(this);
  to_ = new SecondsBox(this);
  from_label_->setBuddy(from_);
  to_label_->setBuddy(to_);
  layout_label_ = new QLabel(this);
  layout_ = new QComboBox(this);
  for (int index = 0; index < ew::kLayoutCount; ++index) layout_->addItem(QString(), index);
  layout_label_->setBuddy(layout_);
  overlay_ = new QCheckBox(this);
  overlay_->setChecked(true);
  folder_label_ = new QLabel(this);
  folder_ = new QLineEdit(this);
  folder_->setMinimumWidth(320);
  folder_label_->setBuddy(folder_);
  open_ = new QPushButton(this);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("exportStatus"));
  status_->setWordWrap(true);
  bar_ = new QProgressBar(this);
  bar_->setRange(0, kBarSteps);
  time_left_ = new QLabel(this);
  time_left_->setObjectName(QStringLiteral("exportTimeLeft"));
  show_ = new QPushButton(this);
  export_ = new QPushButton(this);
  export_->setDefault(true);
  cancel_ = new QPushButton(this);
  close_ = new QPushButton(this);
  connect(open_, &QPushButton::clicked, this, &CExportDialog::OnOpen);
  connect(export_, &QPushButton::clicked, this, &CExportDialog::OnExport);
  connect(cancel_, &QPushButton::clicked, this, &CExportDialog::OnCancel);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  connect(show_, &QPushButton::clicked, this, &CExportDialog::ShowFolder);
}

void CExportDialog::BuildLayout() {
  auto* fields = new QGridLayout;
  fields->addWidget(from_label_, 0, 0);
  fields->addWidget(from_, 0, 1);
  fields->addWidget(to_label_, 0, 2);
  fields->addWidget(to_, 0, 3);
  fields->addWidget(layout_label_, 1, 0);
  fields->addWidget(layout_, 1, 1, 1, 3);
  fields->addWidget(overlay_, 2, 1, 1, 3);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);
  auto* folder = new QHBoxLayout;
  folder->addWidget(folder_label_);
  folder->addWidget(folder_, 1);
  folder->addWidget(open_);
  auto* progress = new QHBoxLayout;
  progress->addWidget(bar_, 1);
  progress->addWidget(time_left_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(show_);
  buttons->addStretch();
  buttons->addWidget(export_);
  buttons->addWidget(cancel_);
  buttons->addWidget(close_);
  auto* all = new QVBoxLayout(this);
  all->addWidget(recording_);
  all->addLayout(fields);
  all->addLayout(folder);
  all->addWidget(status_);
  all->addLayout(progress);
  all->addLayout(buttons);
}

void CExportDialog::RefreshTexts() {
  setWindowTitle(Text(ew::kTitle));
  setLocale(NumberLocale(CurrentLanguage()));
  recording_->setText(Text(ew::kRecording).arg(PathText(setup_.recording.filename()), LengthText()));
  from_label_->setText(Text(ew::kFrom));
  to_label_->setText(Text(ew::kTo));
  layout_label_->setText(Text(ew::kLayout));
  for (int index = 0; index < ew::kLayoutCount; ++index) {
    layout_->setItemText(index, Text(ew::kFirstLayout + index));
  }
  overlay_->setText(Text(ew::kOverlay));
  folder_label_->setText(Text(ew::kFolder));
  open_->setText(Common(rows::common::kOpen));
  show_->setText(Text(ew::kShowInFolder));
  export_->setText(Text(ew::kExport));
  // Room for a long time left from the start, so that the window does not widen when it
  // first shows.
  time_left_->setMinimumWidth(
      time_left_->fontMetrics().horizontalAdvance(Text(ew::kTimeLeft).arg(QStringLiteral("000:00"))));
  cancel_->setText(Common(rows::common::kCancel));
  close_->setText(Common(rows::common::kClose));
}

void CExportDialog::Prepare(const ExportDialogSetup& setup) {
  if (state_ == State::Exporting || state_ == State::Cancelling) return;
  setup_ = setup;
  from_->setValue(setup.span.from);
  to_->setValue(setup.span.to);
  folder_->setText(PathText(setup.folder));
  RefreshTexts();
  Enter(State::Choosing);
}

ExportChoice CExportDialog::Choice() const {
  ExportChoice choice;
  choice.span = {from_->value(), to_->value()};
  choice.layout = static_cast<exporting::ExportLayout>(layout_->currentData().toInt());
  choice.overlay = overlay_->isChecked();
  choice.folder = folder_->text().trimmed().toStdString();
  return choice;
}

QString CExportDialog::LengthText() const { return locale().toString(setup_.length_seconds, 'f', 1); }

void CExportDialog::OnOpen() {
  const QString chosen = prompts_.ChooseFolder(UiLabel(msg::kSelectFolder), folder_->text());
  if (!chosen.isEmpty()) folder_->setText(chosen);
}

void CExportDialog::OnExport() {
  if (state_ == State::Exporting || state_ == State::Cancelling) return;
  const ExportChoice choice = Choice();
  // The core's rule decides; the words are the reader's, naming the recording's length.
  if (exporting::SpanProblem(choice.span, setup_.length_seconds)) {
    SetStatus(Text(ew::kSpanRefused).arg(LengthText()), true);
    from_->setFocus();
    return;
  }
  if (choice.folder.empty()) {
    SetStatus(UiLabel(msg::kSelectFolder), true);
    folder_->setFocus();
    return;
  }
  emit exportRequested(choice);
}

void CExportDialog::OnCancel() {
  if (state_ != State::Exporting) return;
  Enter(State::Cancelling);
  emit cancelRequested();
}

void CExportDialog::reject() {
  if (state_ == State::Exporting || state_ == State::Cancelling) {
    OnCancel();
    return;
  }
  QDialog::reject();
}

void CExportDialog::ShowStarted() {
  finished_folder_.clear();
  bar_->setValue(0);
  time_left_->clear();
  Enter(State::Exporting);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the share done, then the time left, as the export reports them
void CExportDialog::ShowProgress(double fraction, double seconds_left) {
  if (state_ != State::Exporting) return;
  const double shown = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
  bar_->setValue(static_cast<int>(std::lround(shown * kBarSteps)));
  time_left_->setText(seconds_left >= 0 ? Text(ew::kTimeLeft).arg(TimeText(seconds_left)) : QString());
}

void CExportDialog::ShowDone(const std::filesystem::path& folder, bool front_only) {
  finished_folder_ = folder;
  bar_->setValue(kBarSteps);
  Enter(State::Finished);
  QString text = Text(ew::kDone).arg(PathText(folder));
  if (front_only) text += QStringLiteral("\n") + Text(ew::kFrontOnly);
  SetStatus(text, false);
}

void CExportDialog::ShowCancelled() {
  Enter(State::Finished);
  SetStatus(Text(ew::kCancelled), false);
}

void CExportDialog::ShowFailed(const QString& reason) {
  Enter(State::Finished);
  SetStatus(Text(ew::kFailed).arg(reason), true);
}

// Where the file manager can, it opens the folder around the incident with it selected;
// elsewhere the folder itself opens in whatever the desktop has for folders.
void CExportDialog::ShowFolder() {
  if (finished_folder_.empty()) return;
  const QUrl folder = QUrl::fromLocalFile(PathText(finished_folder_));
  platform::ShowItemInFileManager(finished_folder_, this, [folder](bool shown) {
    if (!shown) QDesktopServices::openUrl(folder);
  });
}

// Which controls a state offers: the fields while choosing (and again once it ended), the
// bar's count from the start of an export, the folder button only after a finished one.
// The bar stays in its place throughout, so the window does not jump.
void CExportDialog::Enter(State state) {
  state_ = state;
  const bool running = state == State::Exporting || state == State::Cancelling;
  for (QWidget* field : std::initializer_list<QWidget*>{from_, to_, layout_, overlay_, folder_, open_}) {
    field->setEnabled(!running);
  }
  export_->setVisible(!running);
  close_->setVisible(!running);
  cancel_->setVisible(running);
  cancel_->setEnabled(state == State::Exporting);
  bar_->setEnabled(state != State::Choosing);
  bar_->setTextVisible(state != State::Choosing);
  if (!running) time_left_->clear();
  show_->setVisible(state == State::Finished && !finished_folder_.empty());
  if (state == State::Choosing) {
    finished_folder_.clear();
    show_->hide();
    bar_->setValue(0);
    SetStatus(QString(), false);
  } else if (state == State::Exporting) {
    SetStatus(Text(ew::kExporting), false);
  } else if (state == State::Cancelling) {
    SetStatus(Text(ew::kCancelling), false);
  }
}

void CExportDialog::SetStatus(const QString& text, bool problem) {
  QPalette colours = palette();
  if (problem) colours.setColor(QPalette::WindowText, palette::kDanger.darker(130));
  status_->setPalette(colours);
  status_->setText(text);
  if (isVisible()) GrowToFit();
}

// The layout does not grow a window that is shown for a wrapped line that got longer: the
// end, naming a long folder, would lose its last line.
void CExportDialog::GrowToFit() {
  QLayout* all = layout();
  if (all == nullptr || !all->hasHeightForWidth()) return;
  all->activate();
  const int needed = all->totalHeightForWidth(width());
  if (needed > height()) resize(width(), needed);
}

}  // namespace direvovu::gui
