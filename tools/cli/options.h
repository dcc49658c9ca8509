#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "command.h"

namespace direvovu::cli {

// A language number 0..6 written as plain digits; nullopt for anything else.
std::optional<int> ParseLanguage(std::string_view text);

// Splits "--name=value" and "--name value" (advancing i past the value); nullopt when missing.
std::optional<std::string_view> OptionValue(Args args, std::size_t& i, std::string_view name);

}  // namespace direvovu::cli
