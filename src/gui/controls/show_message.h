#pragma once

#include <QString>

#include "gui/controls/prompts.h"

namespace direvovu::gui {

// Every user-visible message goes through the window's prompts. True when the box ended
// with OK.
bool ShowMessage(IPrompts& prompts, MessageId message, const QString& detail = QStringLiteral(" "),
                 bool cancel_shown = false, bool ok_shown = true, bool auto_close = false);

// The text the box shows: "%s\n\n%s" of the message in the current language and the detail.
QString MessageText(MessageId message, const QString& detail);

}  // namespace direvovu::gui
