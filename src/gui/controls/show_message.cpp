#include "gui/controls/show_message.h"

#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {

QString MessageText(MessageId message, const QString& detail) {
  return QStringLiteral("%1\n\n%2").arg(UiText(message), detail);
}

bool ShowMessage(IPrompts& prompts, MessageId message, const QString& detail, bool cancel_shown, bool ok_shown,
                 bool auto_close) {
  MessageRequest request;
  request.message = message;
  request.detail = detail;
  request.cancel_shown = cancel_shown;
  request.ok_shown = ok_shown;
  request.auto_close = auto_close;
  return prompts.Message(request);
}

}  // namespace direvovu::gui
