#pragma once

#include <string>
#include <string_view>

#include "core/settings/texts.h"

namespace direvovu::cli {

// A message in English on one line (its leading line breaks dropped,
// inner ones as spaces), followed by the detail when there is one.
std::string MessageLine(MessageId message, std::string_view detail = {});

// Prints "direvovu-cli: <message line>" on standard error.
void PrintMessage(MessageId message, std::string_view detail = {});

}  // namespace direvovu::cli
