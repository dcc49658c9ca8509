#include "gui/controls/ui_text.h"

namespace direvovu::gui {

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString UiText(TextTable table, int row) { return ToQString(Text(table, row)); }

QString UiText(MessageId message) { return UiText(TextTable::Messages, MessageRow(message)); }

QString UiLabel(MessageId message) { return UiLabel(TextTable::Messages, MessageRow(message)); }


QString UiLabel(TextTable table, int row) {
  QString text = UiText(table, row);
  while (text.startsWith(QLatin1Char('\n'))) text.remove(0, 1);
  return text;
}

}  // namespace direvovu::gui
