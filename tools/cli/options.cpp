#include "options.h"

#include <charconv>
#include <system_error>

#include "core/settings/texts.h"

namespace direvovu::cli {

std::optional<int> ParseLanguage(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 0 || value >= kLanguageCount) return std::nullopt;
  return value;
}

std::optional<std::string_view> OptionValue(Args args, std::size_t& i, std::string_view name) {
  const std::string_view arg = args[i];
  if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
    return arg.substr(name.size() + 1);
  }
  if (i + 1 >= args.size()) return std::nullopt;
  return args[++i];
}

}  // namespace direvovu::cli
