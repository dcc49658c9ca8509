#include "gui/setup/detail_search_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "core/settings/texts.h"
#include "core/setup/search_settings.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

namespace ds = rows::detail_search;

QString Common(int row) { return UiText(TextTable::CommonButtons, row); }

QDate DateOf(const CivilTime& t) { return {t.year, t.month, t.day}; }
QTime TimeOf(const CivilTime& t) { return {t.hour, t.minute, t.second}; }

CivilTime MomentOf(const QDate& d, const QTime& t) {
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace

CDetailSearch::CDetailSearch(DetailSearchContext context, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), prompts_(prompts) {
  BuildControls();
  BuildLayout();
  const DetailSearchSettings s =
      ReadDetailSearchSettings(context_.folders, context_.today, context_.card_root);
  folder_->setText(QString::fromStdString(s.folder));
  start_check_->setChecked(s.range.use_start);
  end_check_->setChecked(s.range.use_end);
  start_date_->setDate(DateOf(s.range.start));
  start_time_->setTime(TimeOf(s.range.start));
  end_date_->setDate(DateOf(s.range.end));
  end_time_->setTime(TimeOf(s.range.end));
}

void CDetailSearch::BuildControls() {
  setWindowTitle(UiText(TextTable::DetailSearch, ds::kTitle));
  folder_ = new QLineEdit(this);
  folder_->setReadOnly(true);
  folder_->setMinimumWidth(300);
  open_ = new QPushButton(Common(rows::common::kOpen), this);
  start_check_ = new QCheckBox(UiText(TextTable::DetailSearch, ds::kStart), this);
  end_check_ = new QCheckBox(UiText(TextTable::DetailSearch, ds::kEnd), this);
  for (QDateEdit** date : {&start_date_, &end_date_}) {
    *date = new QDateEdit(this);
    (*date)->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    (*date)->setCalendarPopup(true);
  }
  for (QTimeEdit** time : {&start_time_, &end_time_}) {
    *time = new QTimeEdit(this);
    (*time)->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  }
  ok_ = new QPushButton(Common(rows::common::kOk), this);
  cancel_ = new QPushButton(Common(rows::common::kCancel), this);
  ok_->setDefault(true);
  connect(open_, &QPushButton::clicked, this, &CDetailSearch::OnOpen);
  connect(ok_, &QPushButton::clicked, this, &CDetailSearch::OnOk);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CDetailSearch::BuildLayout() {
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(UiText(TextTable::DetailSearch, ds::kSearchFolder), this));
  top->addWidget(folder_, 1);
  top->addWidget(open_);
  auto* group = new QGroupBox(UiText(TextTable::DetailSearch, ds::kDurationGroup), this);
  auto* g = new QGridLayout(group);
  g->addWidget(start_check_, 0, 0);
  g->addWidget(start_date_, 0, 1);
  g->addWidget(start_time_, 0, 2);
  g->addWidget(end_check_, 1, 0);
  g->addWidget(end_date_, 1, 1);
  g->addWidget(end_time_, 1, 2);
  g->setColumnStretch(3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addWidget(group);
  all->addLayout(buttons);
}

SearchRange CDetailSearch::Range() const {
  return {start_check_->isChecked(), end_check_->isChecked(),
          MomentOf(start_date_->date(), start_time_->time()), MomentOf(end_date_->date(), end_time_->time())};
}

void CDetailSearch::OnOpen() {
  const QString stored = QString::fromStdString(ReadSettingText(context_.folders, "SEARCH_PATH", ""));
  const QString chosen = prompts_.ChooseFolder(UiLabel(msg::kSelectFolder), stored);
  if (chosen.isEmpty()) return;
  folder_->setText(chosen);
  // Only where the browser starts next time: a settings file we may not write costs nothing more.
  [[maybe_unused]] const bool stored_ok = WriteSearchFolder(context_.folders, chosen.toStdString());
}

void CDetailSearch::OnOk() {
  if (folder_->text().isEmpty()) {
    ShowMessage(prompts_, msg::kSelectFolder);
    return;
  }
  const SearchRange range = Range();
  std::vector<std::filesystem::path> found;
  WalkRecordingFolder(folder_->text().toStdString(), context_.drives, found);
  CardWorkTables scratch;
  taken_ = TakeRecordings(found, range, context_.tables != nullptr ? *context_.tables : scratch);
  // The range is kept whatever came of it: the next search starts from it.
  [[maybe_unused]] const bool written = WriteSearchRange(context_.folders, range);
  if (taken_.empty()) {
    ShowMessage(prompts_, msg::kNoSearchedFile);
    return;
  }
  accept();
}

}  // namespace direvovu::gui
