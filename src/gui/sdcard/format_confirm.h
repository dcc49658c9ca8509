#pragma once

#include <QDialog>

#include "gui/controls/prompts.h"

class QLabel;
class QPushButton;

namespace direvovu::gui {

// Our own question before a format: names the drive (letter, folder, size, label), says
// that everything on it is erased, and answers yes only through its Format button.
// Cancel is the default button, so Enter does not erase a card.
class CFormatConfirm : public QDialog {
  Q_OBJECT

 public:
  CFormatConfirm(const FormatQuestion& question, QWidget* parent = nullptr);

  [[nodiscard]] QLabel* text() const { return text_; }
  [[nodiscard]] QPushButton* formatButton() const { return format_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

  // The confirmation's text for a question, in the current language.
  static QString QuestionText(const FormatQuestion& question);

 private:
  QLabel* text_ = nullptr;
  QPushButton* format_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace direvovu::gui
