#include "message_text.h"

#include <iostream>

#include "core/settings/texts.h"

namespace direvovu::cli {

std::string MessageLine(MessageId message, std::string_view detail) {
  std::string line;
  for (const char c : Text(TextTable::Messages, MessageRow(message), kEnglish)) {
    if (c != '\n') {
      line += c;
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  if (!detail.empty()) line += (line.empty() ? "" : " ") + std::string(detail);
  return line;
}

void PrintMessage(MessageId message, std::string_view detail) {
  std::cerr << "direvovu-cli: " << MessageLine(message, detail) << '\n';
}

}  // namespace direvovu::cli
