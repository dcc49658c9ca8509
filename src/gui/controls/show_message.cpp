#include "gui/controls/show_message.h"

#include "core/settings/texts.h"
#include "gui/controls/msg_box.h"
#include "gui/controls/ui_text.h"

#include <utility>

namespace direvovu::gui {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

}  // namespace

QString MessageText(int row, const QString& detail) {
  return QStringLiteral("%1\n\n%2").arg(UiText(TextTable::Messages, row), detail);
}

bool ShowMessage(int row, const QString& detail, bool cancel_shown, bool ok_shown, bool auto_close) {
  MessageRequest request;
  request.row = row;
  request.detail = detail;
  request.cancel_shown = cancel_shown;
  request.ok_shown = ok_shown;
  request.auto_close = auto_close;
  return ShowMessage(request);
}

bool ShowMessage(const MessageRequest& request) {
  if (Handler()) return Handler()(request);
  CMsgBox box;
  box.setMessage(MessageText(request.row, request.detail));
  box.setButtons(request.cancel_shown, request.ok_shown);
  box.setAutoClose(request.auto_close);
  box.setSearchAction(request.search_action);
  return box.exec() == QDialog::Accepted;
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

MessageRecorder::MessageRecorder(bool answer) : answer_(answer) {
  SetMessageHandler([this](const MessageRequest& request) {
    requests_.push_back(request);
    if (while_shown_) std::exchange(while_shown_, {})();
    if (request.search_action) {
      request.search_action();
      return true;
    }
    return answer_;
  });
}

MessageRecorder::~MessageRecorder() { SetMessageHandler({}); }

std::vector<int> MessageRecorder::rows() const {
  std::vector<int> rows;
  for (const auto& r : requests_) rows.push_back(r.row);
  return rows;
}

}  // namespace direvovu::gui
