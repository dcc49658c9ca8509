#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace direvovu {

// A text on one line of a line-per-record file: backslash, line break, carriage return
// and tab become "\\", "\n", "\r" and "\t", so every record stays on its line and reads
// back unambiguously.
std::string LineEscaped(std::string_view text);

// The text LineEscaped wrote; nullopt for a backslash before anything else or at the end.
std::optional<std::string> LineUnescaped(std::string_view text);

}  // namespace direvovu
