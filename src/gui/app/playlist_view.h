#pragma once

#include <QTreeWidget>

#include <array>
#include <string>
#include <vector>

namespace direvovu::gui {

// The play list (control 1011): one row per front recording, numbered 1..n in list
// order, with date, time, kind and the full path. Light grey with black text inside
// the skin's dark well, full-row selection, several rows selectable for deleting.
class PlaylistView : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr int kPathColumn = 4;

  explicit PlaylistView(QWidget* parent = nullptr);

  // Rows for the paths, after the existing ones, in the order given.
  void AppendRows(const std::vector<std::string>& paths);
  void RemoveAll();
  // Deletes every selected row and numbers the rest again from 1.
  void DeleteSelected();

  [[nodiscard]] int RowCount() const { return topLevelItemCount(); }
  // The first selected row in list order, or -1.
  [[nodiscard]] int SelectedRow() const;
  // Selects `row` alone (and makes it the current, visible row).
  void SelectRow(int row);
  // Moves the selection to the row after the selected one and gives the list the
  // focus; false (nothing changed) when the selected row is the last, or nothing is
  // selected, or the list is empty.
  bool SelectNext();

  [[nodiscard]] QString CellText(int row, int column) const;
  [[nodiscard]] std::string PathAt(int row) const;

  // Headings and kind texts in the current language.
  void RefreshTexts();

 private:
  void Renumber();
};

}  // namespace direvovu::gui
