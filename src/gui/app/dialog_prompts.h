#pragma once

#include "gui/controls/prompts.h"

namespace direvovu::gui {

// The real dialogs, over `parent`.
class DialogPrompts final : public IPrompts {
 public:
  explicit DialogPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool Message(const MessageRequest& request) override;
  bool Password(const PasswordQuestion& question) override;
  QStringList ChooseFiles(const QString& title, const QString& start, const QString& filter,
                          FilePick pick) override;
  QString ChooseFolder(const QString& title, const QString& start) override;
  bool ChoosePrinter(QPrinter& printer) override;
  void Alert(const QString& text) override;
  bool ConfirmFormat(const FormatQuestion& question) override;

 private:
  QWidget* parent_;
};

}  // namespace direvovu::gui
