#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace direvovu::gui {

// One call of the program's message box.
struct MessageRequest {
  int row = 0;           // row of the messages table
  QString detail = " ";  // shown below the message; callers pass " " when they have none
  bool cancel_shown = false;
  bool ok_shown = true;
  bool auto_close = false;
  // Work the box runs half a second after it opens when it has no buttons (the SD
  // search); the box then closes itself.
  std::function<void()> search_action;
};

// Every user-visible message goes through here. True when the box ended with OK.
bool ShowMessage(int row, const QString& detail = QStringLiteral(" "), bool cancel_shown = false,
                 bool ok_shown = true, bool auto_close = false);
bool ShowMessage(const MessageRequest& request);

// The text the box shows: "%s\n\n%s" of the message in the current language and the detail.
QString MessageText(int row, const QString& detail);

// Replaces the dialog (tests install a recorder); an empty handler restores the dialog.
using MessageHandler = std::function<bool(const MessageRequest&)>;
void SetMessageHandler(MessageHandler handler);

// For tests: records every message instead of showing it, answers with `answer`, and
// runs a box's search action as the box would. Restores the dialog when destroyed.
class MessageRecorder {
 public:
  explicit MessageRecorder(bool answer = true);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  void setAnswer(bool answer) { answer_ = answer; }
  // Runs `action` once, at the next message, as if it happened while that box was up.
  void doWhileNextShown(std::function<void()> action) { while_shown_ = std::move(action); }
  [[nodiscard]] const std::vector<MessageRequest>& requests() const { return requests_; }
  [[nodiscard]] std::vector<int> rows() const;
  void clear() { requests_.clear(); }

 private:
  bool answer_;
  std::vector<MessageRequest> requests_;
  std::function<void()> while_shown_;
};

}  // namespace direvovu::gui
