#include "core/printf_text.h"

#include <cstdarg>
#include <cstdio>

#include <clocale>  // newlocale and uselocale, or _create_locale on Windows

namespace direvovu {
namespace {

// Window toolkits switch the C library to the user's locale; the texts made here go into
// files, page calls and the camera's own layouts, which all want a decimal point.
#if defined(_WIN32)
DIREVOVU_PRINTF_FORMAT(3, 0)
int FormatInC(char* buffer, std::size_t size, const char* format, std::va_list arguments) {
  static const _locale_t c_locale = _create_locale(LC_NUMERIC, "C");
  return _vsnprintf_l(buffer, size, format, c_locale, arguments);
}
#else
DIREVOVU_PRINTF_FORMAT(3, 0)
int FormatInC(char* buffer, std::size_t size, const char* format, std::va_list arguments) {
  static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
  const locale_t previous = uselocale(c_locale);
  const int length = std::vsnprintf(buffer, size, format, arguments);
  uselocale(previous);
  return length;
}
#endif

}  // namespace

std::string PrintfText(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list measured;
  va_copy(measured, arguments);
  const int length = FormatInC(nullptr, 0, format, measured);
  va_end(measured);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    FormatInC(text.data(), text.size(), format, arguments);
    text.resize(static_cast<std::size_t>(length));
  }
  va_end(arguments);
  return text;
}

}  // namespace direvovu
