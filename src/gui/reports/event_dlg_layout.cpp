// The event report's controls, placed as its template places them.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "gui/controls/x_group_box.h"
#include "gui/reports/event_dlg.h"

namespace direvovu::gui {
namespace {

namespace er = rows::event_report;

constexpr int kWidth = 620;
constexpr int kHeight = 520;
constexpr int kRowHeight = 24;
constexpr int kColumnWidths[] = {65, 100, 120, 66, 66, 66, 100};
constexpr QRgb kListBackground = 0xE7E7E7;
constexpr QRgb kRowBackground = 0xF1F1F1;

QString Er(int row) { return UiText(TextTable::EventReport, row); }

QPushButton* Button(QWidget* parent, const QString& text, QRect at) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(at);
  button->setAutoDefault(false);
  return button;
}

QLabel* CentredLabel(QWidget* parent, const QString& text, QRect at) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(at);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

void CEventDlg::BuildControls() {
  setWindowTitle(Er(er::kTitle));
  setFixedSize(kWidth, kHeight);
  auto* label = new QLabel(Er(er::kEventFolder), this);
  label->setGeometry(12, 12, 110, kRowHeight);
  folder_edit_ = new QLineEdit(this);
  folder_edit_->setReadOnly(true);
  folder_edit_->setGeometry(126, 12, 384, kRowHeight);
  search_ = Button(this, UiText(TextTable::CommonButtons, rows::common::kSearch), {518, 12, 90, kRowHeight});
  BuildList();
  BuildTotals();
  save_ = Button(this, Er(er::kSave), {kWidth - 208, kHeight - 40, 96, 28});
  close_ = Button(this, UiText(TextTable::CommonButtons, rows::common::kClose),
                  {kWidth - 106, kHeight - 40, 94, 28});
  connect(search_, &QPushButton::clicked, this, &CEventDlg::SearchCommand);
  connect(save_, &QPushButton::clicked, this, &CEventDlg::SaveCommand);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void CEventDlg::BuildList() {
  list_ = new QTreeWidget(this);
  list_->setGeometry(12, 46, kWidth - 24, 336);
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels({UiText(TextTable::RecordingKinds, rows::recording_kinds::kNumber),
                          Er(er::kEventDate), Er(er::kEventTime), QStringLiteral("X"), QStringLiteral("Y"),
                          QStringLiteral("Z"), Er(er::kEventFactor)});
  list_->header()->setStretchLastSection(false);
  for (int c = 0; c < 7; ++c) {
    list_->setColumnWidth(c, kColumnWidths[c]);
    list_->headerItem()->setTextAlignment(c, Qt::AlignCenter);
  }
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, QColor::fromRgb(kListBackground));
  palette.setColor(QPalette::AlternateBase, QColor::fromRgb(kRowBackground));
  palette.setColor(QPalette::Text, Qt::black);
  list_->setPalette(palette);
}

void CEventDlg::BuildTotals() {
  totals_ = new CXGroupBox(Er(er::kTotalEventFactor), this);
  totals_->setGeometry(12, 390, kWidth - 24, 78);
  const char* axes[] = {"X", "Y", "Z"};
  for (int axis = 0; axis < 3; ++axis) {
    const int left = 60 + axis * 180;
    CentredLabel(this, QString::fromLatin1(axes[axis]), {left, 412, 100, 20});
    count_labels_[axis] = CentredLabel(this, QStringLiteral("0"), {left, 436, 100, 22});
    count_labels_[axis]->setFrameShape(QFrame::StyledPanel);
  }
}

}  // namespace direvovu::gui
