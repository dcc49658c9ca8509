#pragma once

#include <clocale>
#include <string>

namespace direvovu::test {

// The C library's numbers in a locale with a decimal comma for a scope, as window
// toolkits leave them; `active()` is false when no such locale is installed.
class CommaLocale {
 public:
  CommaLocale() : saved_(Current()) {
    active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr ||
              std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr;
  }
  ~CommaLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  [[nodiscard]] bool active() const { return active_; }

 private:
  static std::string Current() {
    const char* now = std::setlocale(LC_NUMERIC, nullptr);
    return now != nullptr ? now : "C";
  }
  std::string saved_;
  bool active_ = false;
};

}  // namespace direvovu::test
