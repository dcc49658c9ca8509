#pragma once

#include <QString>
#include <string_view>

#include "core/settings/texts.h"

namespace direvovu::gui {

// A text of the string tables in the current language, for a widget.
QString UiText(TextTable table, int row);
// The same without the leading line break that message texts carry.
QString UiLabel(TextTable table, int row);
// A message's text, and the same as a label.
QString UiText(MessageId message);
QString UiLabel(MessageId message);
QString ToQString(std::string_view utf8);

}  // namespace direvovu::gui
