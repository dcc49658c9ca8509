#pragma once

#include <string>
#include <string_view>

namespace direvovu::cli {

// A row of the messages table in English on one line (its leading line breaks dropped,
// inner ones as spaces), followed by the detail when there is one.
std::string MessageLine(int row, std::string_view detail = {});

// Prints "direvovu-cli: <message line>" on standard error.
void PrintMessage(int row, std::string_view detail = {});

}  // namespace direvovu::cli
