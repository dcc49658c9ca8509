#include "gui/app/playlist_view.h"

#include <QHeaderView>

#include <algorithm>
#include <filesystem>

#include "core/app/main_window_layout.h"
#include "core/recording/recording_list_columns.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

// A vertical scroll bar takes up to 15 pixels of the list's width.
static_assert(kPlayListColumnWidths[0] + kPlayListColumnWidths[1] + kPlayListColumnWidths[2] +
                      kPlayListColumnWidths[3] <=
                  kPlayListArea.width - 15,
              "the kind column stays in view without scrolling");

// The list's own grey (0xAFADAC as blue-green-red, as Windows colour values are written):
// it reads well with black text inside the skin's dark well.
const QColor kListBackground(0xAC, 0xAD, 0xAF);

Qt::Alignment ColumnAlignment(int column) {
  return column == PlaylistView::kPathColumn ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter;
}

QTreeWidgetItem* MakeItem(const std::array<std::string, 5>& texts) {
  auto* item = new QTreeWidgetItem;
  for (int column = 0; column < 5; ++column) {
    item->setText(column, QString::fromStdString(texts[static_cast<std::size_t>(column)]));
    item->setTextAlignment(column, ColumnAlignment(column));
  }
  // The path column starts near the list's right edge: the whole path on hover.
  const QString path = QString::fromStdString(texts[PlaylistView::kPathColumn]);
  for (int column = 0; column < 5; ++column) item->setToolTip(column, path);
  return item;
}

}  // namespace

PlaylistView::PlaylistView(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(5);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);  // thousands of rows lay out at once
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::NoFrame);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setDefaultAlignment(Qt::AlignCenter);
  for (int column = 0; column < 5; ++column)
    setColumnWidth(column, kPlayListColumnWidths[static_cast<std::size_t>(column)]);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, kListBackground);
  colours.setColor(QPalette::AlternateBase, kListBackground);
  colours.setColor(QPalette::Window, kListBackground);
  colours.setColor(QPalette::Text, Qt::black);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);
  RefreshTexts();
}

void PlaylistView::AppendRows(const std::vector<std::string>& paths) {
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(paths.size()));
  int number = RowCount();
  for (const std::string& path : paths) items.push_back(MakeItem(MakePlaylistRowTexts(path, ++number)));
  addTopLevelItems(items);
}

void PlaylistView::RemoveAll() { clear(); }

void PlaylistView::DeleteSelected() {
  const QList<QTreeWidgetItem*> chosen = selectedItems();
  if (chosen.isEmpty()) return;
  for (QTreeWidgetItem* item : chosen) delete item;
  Renumber();
}

void PlaylistView::Renumber() {
  char number[32];
  for (int row = 0; row < RowCount(); ++row) {
    std::snprintf(number, sizeof(number), "   %03d", row + 1);
    topLevelItem(row)->setText(0, QString::fromLatin1(number));
  }
}

int PlaylistView::SelectedRow() const {
  int first = -1;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    if (first < 0 || index.row() < first) first = index.row();
  }
  return first;
}

void PlaylistView::SelectRow(int row) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (item == nullptr) return;
  clearSelection();
  setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollToItem(item);
}

bool PlaylistView::SelectNext() {
  const int row = SelectedRow();
  if (row < 0 || row + 1 >= RowCount()) return false;
  SelectRow(row + 1);
  setFocus();
  return true;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): row before column, as tables index
QString PlaylistView::CellText(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item != nullptr ? item->text(column) : QString();
}

std::string PlaylistView::PathAt(int row) const { return CellText(row, kPathColumn).toStdString(); }

void PlaylistView::RefreshTexts() {
  using namespace rows::recording_kinds;
  setHeaderLabels({UiText(TextTable::RecordingKinds, kNumber), UiText(TextTable::RecordingKinds, kDate),
                   UiText(TextTable::RecordingKinds, kTime), UiText(TextTable::RecordingKinds, kType),
                   UiText(TextTable::RecordingKinds, kFileName)});
  // Each heading sits like its column's texts: the path's to the left, the others centred.
  for (int column = 0; column < 5; ++column) headerItem()->setTextAlignment(column, ColumnAlignment(column));
  for (int row = 0; row < RowCount(); ++row) {
    QTreeWidgetItem* item = topLevelItem(row);
    const std::string path = item->text(kPathColumn).toStdString();
    item->setText(3, QString::fromStdString(MakePlaylistRowTexts(path, row + 1)[3]));
  }
}

}  // namespace direvovu::gui
