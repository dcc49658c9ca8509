#pragma once

#include <QDialog>

class QTableWidget;

namespace direvovu::gui {

// The sheet of every key (F1 or ?), in the current language: the key as the keyboard
// names it, and what it does, in the order of the key map.
class CKeySheetDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CKeySheetDlg(QWidget* parent = nullptr);

  [[nodiscard]] QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_ = nullptr;
};

}  // namespace direvovu::gui
