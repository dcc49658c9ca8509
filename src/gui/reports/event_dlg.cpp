#include "gui/reports/event_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/reports/event_folder.h"
#include "core/reports/event_report_file.h"
#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

constexpr QRgb kRowBackground = 0xF1F1F1;

QTreeWidgetItem* RowItem(const reports::EventRow& row) {
  auto* item = new QTreeWidgetItem;
  const std::string texts[] = {
      row.number, row.date, row.time, row.x, row.y, row.z, std::string(reports::AxisName(row.factor))};
  for (int c = 0; c < 7; ++c) {
    item->setText(c, QString::fromStdString(texts[c]));
    item->setTextAlignment(c, Qt::AlignCenter);
    item->setBackground(c, QColor::fromRgb(kRowBackground));
    item->setForeground(c, Qt::black);
  }
  return item;
}

}  // namespace

CEventDlg::CEventDlg(EventDlgContext context, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), prompts_(prompts) {
  if (context_.tables == nullptr) context_.tables = &own_tables_;
  if (!context_.now) context_.now = [] { return LocalNow(); };
  BuildControls();
  folder_ = reports::InitialEventFolder(context_.folders, context_.cardLetter, context_.drives);
  folder_edit_->setText(QString::fromStdString(folder_.string()));
  ReadFolder();
}

void CEventDlg::ReadFolder() {
  list_->clear();
  events_ = reports::ReadEventFolder(folder_, *context_.tables);
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(events_.rows.size()));
  for (const reports::EventRow& row : events_.rows) items.push_back(RowItem(row));
  list_->addTopLevelItems(items);
  ShowCounts();
}

void CEventDlg::ShowCounts() {
  const int counts[] = {events_.counts.x, events_.counts.y, events_.counts.z};
  for (int axis = 0; axis < 3; ++axis) count_labels_[axis]->setText(QString::number(counts[axis]));
}

void CEventDlg::SearchCommand() {
  const QString start = QString::fromStdString(reports::EventSearchStart(context_.folders, folder_).string());
  const QString chosen = prompts_.ChooseFolder(UiLabel(msg::kSelectEventFolder), start);
  if (chosen.isEmpty()) return;
  folder_ = chosen.toStdString();
  // The folder is a convenience for next time; a settings file we cannot write stops nothing.
  [[maybe_unused]] const bool saved = reports::WriteEventFolder(context_.folders, folder_);
  folder_edit_->setText(chosen);
  events_ = {};
  ShowCounts();
  ReadFolder();
}

void CEventDlg::SaveCommand() {
  if (events_.rows.empty()) return;
  const std::filesystem::path file = reports::EventReportPath(context_.folders, context_.now());
  const QString path = QString::fromStdString(file.string());
  // A report that could not be written is said so: silence would read as saved.
  if (!reports::WriteEventReport(file, events_, CurrentLanguage())) {
    ShowMessage(prompts_, msg::kCantOpenFile, path);
    return;
  }
  ShowMessage(prompts_, msg::kEventReportSaved, path);
}

}  // namespace direvovu::gui
