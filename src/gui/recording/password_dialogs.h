#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace direvovu {
struct PasswordQuestion;
}

namespace direvovu::gui {

using PasswordCheck = std::function<bool(std::string_view typed)>;

// Base of the two password questions: a prompt, a masked box of six characters that
// gets the focus half a second after the dialog opens, and OK.
class PasswordDialogBase : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFocusDelayMs = 500;
  static constexpr int kMaxChars = 6;

  [[nodiscard]] QLineEdit* passwordBox() const { return box_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QLabel* promptLabel() const { return prompt_; }

 protected:
  PasswordDialogBase(int table, PasswordCheck check, bool with_cancel, QWidget* parent);
  [[nodiscard]] bool TypedMatches() const;
  QPushButton* cancel_ = nullptr;

 private:
  QLabel* prompt_;
  QLineEdit* box_;
  QPushButton* ok_;
  QTimer focus_timer_;
  PasswordCheck check_;
};

// Asks once: OK with the right password accepts, anything else rejects.
class CInputPwd : public PasswordDialogBase {
  Q_OBJECT

 public:
  explicit CInputPwd(PasswordCheck check, QWidget* parent = nullptr);
};

// Asks until the right password is typed or the user cancels.
class CReInputPwd : public PasswordDialogBase {
  Q_OBJECT

 public:
  explicit CReInputPwd(PasswordCheck check, QWidget* parent = nullptr);
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }
};

// The question of a scrambled recording: CInputPwd, then CReInputPwd after a wrong
// entry. True once the right password was given; false when the user gave up.
bool AskPasswordWithDialogs(const PasswordQuestion& question, QWidget* parent);

}  // namespace direvovu::gui
