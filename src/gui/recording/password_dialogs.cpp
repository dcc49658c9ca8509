#include "gui/recording/password_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/recording/working_copies.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

// Rows of the password entry and re-entry tables.
constexpr int kTitleRow = 0;
constexpr int kPromptRow = 1;
constexpr int kLabelRow = 2;

}  // namespace

PasswordDialogBase::PasswordDialogBase(int table, PasswordCheck check, bool with_cancel, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
  const auto t = static_cast<TextTable>(table);
  setWindowTitle(UiText(t, kTitleRow));
  setStyleSheet(QStringLiteral("QDialog { background: white; } QLabel { background: white; color: black; }"));
  prompt_ = new QLabel(UiLabel(t, kPromptRow), this);
  prompt_->setWordWrap(true);
  box_ = new QLineEdit(this);
  box_->setEchoMode(QLineEdit::Password);
  box_->setMaxLength(kMaxChars);
  ok_ = new QPushButton(UiText(TextTable::CommonButtons, 0), this);
  ok_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  if (with_cancel) {
    cancel_ = new QPushButton(UiText(TextTable::CommonButtons, 1), this);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel_);
  }
  auto* grid = new QGridLayout(this);
  grid->addWidget(prompt_, 0, 0, 1, 2);
  grid->addWidget(new QLabel(UiText(t, kLabelRow), this), 1, 0);
  grid->addWidget(box_, 1, 1);
  grid->addLayout(buttons, 2, 0, 1, 2);
  setMinimumWidth(340);

  focus_timer_.setSingleShot(true);
  focus_timer_.setInterval(kFocusDelayMs);
  connect(&focus_timer_, &QTimer::timeout, box_, [this] { box_->setFocus(); });
  focus_timer_.start();
}

bool PasswordDialogBase::TypedMatches() const {
  const QByteArray typed = box_->text().toLocal8Bit();
  return check_ && check_(std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())));
}

CInputPwd::CInputPwd(PasswordCheck check, QWidget* parent)
    : PasswordDialogBase(static_cast<int>(TextTable::PasswordEntry), std::move(check), false, parent) {
  connect(okButton(), &QPushButton::clicked, this, [this] { TypedMatches() ? accept() : reject(); });
}

CReInputPwd::CReInputPwd(PasswordCheck check, QWidget* parent)
    : PasswordDialogBase(static_cast<int>(TextTable::PasswordReentry), std::move(check), true, parent) {
  connect(okButton(), &QPushButton::clicked, this, [this] {
    if (TypedMatches()) {
      accept();
      return;
    }
    passwordBox()->clear();
    passwordBox()->setFocus();
  });
}

bool AskPasswordWithDialogs(const PasswordQuestion& question, QWidget* parent) {
  CInputPwd first(question.matches, parent);
  if (first.exec() == QDialog::Accepted) return true;
  CReInputPwd again(question.matches, parent);
  return again.exec() == QDialog::Accepted;
}

}  // namespace direvovu::gui
