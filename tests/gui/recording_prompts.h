#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "gui/controls/prompts.h"

namespace direvovu::test {

// The prompts of a window under test: every message is recorded instead of shown and
// answered with `answer`; a box's search action runs as the box would run it. Passwords,
// files and folders are answered by the functions the test sets (by default: given up,
// nothing chosen). The print dialog is never shown (cancelled).
class RecordingPrompts final : public gui::IPrompts {
 public:
  explicit RecordingPrompts(bool answer = true) : answer_(answer) {}

  void setAnswer(bool answer) { answer_ = answer; }
  // Runs `action` once, at the next message, as if it happened while that box was up.
  void doWhileNextShown(std::function<void()> action) { while_shown_ = std::move(action); }
  void setPasswordAnswer(std::function<bool(const PasswordQuestion&)> answer) {
    password_ = std::move(answer);
  }
  void setFileAnswer(std::function<QStringList(const QString& start)> answer) { files_ = std::move(answer); }
  void setFolderAnswer(std::function<QString(const QString& start)> answer) { folder_ = std::move(answer); }

  [[nodiscard]] const std::vector<gui::MessageRequest>& requests() const { return requests_; }
  [[nodiscard]] std::vector<MessageId> rows() const;
  [[nodiscard]] const std::vector<QString>& alerts() const { return alerts_; }
  [[nodiscard]] int passwordQuestions() const { return password_questions_; }
  void clear() { requests_.clear(); }

  bool Message(const gui::MessageRequest& request) override;
  bool Password(const PasswordQuestion& question) override;
  QStringList ChooseFiles(const QString& title, const QString& start, const QString& filter,
                          gui::FilePick pick) override;
  // What each open dialog allowed, in order.
  [[nodiscard]] const std::vector<gui::FilePick>& filePicks() const { return file_picks_; }
  QString ChooseFolder(const QString& title, const QString& start) override;
  bool ChoosePrinter(QPrinter& printer) override;
  void Alert(const QString& text) override { alerts_.push_back(text); }
  // Format confirmations are recorded and answered with `setFormatAnswer` (no by default).
  bool ConfirmFormat(const gui::FormatQuestion& question) override {
    format_questions_.push_back(question);
    return format_answer_;
  }
  void setFormatAnswer(bool answer) { format_answer_ = answer; }
  [[nodiscard]] const std::vector<gui::FormatQuestion>& formatQuestions() const { return format_questions_; }

 private:
  bool answer_;
  std::vector<gui::MessageRequest> requests_;
  std::vector<QString> alerts_;
  std::function<void()> while_shown_;
  std::function<bool(const PasswordQuestion&)> password_;
  std::function<QStringList(const QString&)> files_;
  std::vector<gui::FilePick> file_picks_;
  std::function<QString(const QString&)> folder_;
  int password_questions_ = 0;
  std::vector<gui::FormatQuestion> format_questions_;
  bool format_answer_ = false;
};

}  // namespace direvovu::test
