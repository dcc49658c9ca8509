#pragma once

#include <string>

// The compiler checks the arguments against a literal format at every call.
#if defined(__GNUC__) || defined(__clang__)
#define DIREVOVU_PRINTF_FORMAT(format_index, first_argument) \
  __attribute__((format(printf, format_index, first_argument)))
#else
#define DIREVOVU_PRINTF_FORMAT(format_index, first_argument)
#endif

namespace direvovu {

// printf's text as a string, whatever its length; numbers always with a decimal point,
// whatever locale the process runs in.
std::string PrintfText(const char* format, ...) DIREVOVU_PRINTF_FORMAT(1, 2);

}  // namespace direvovu
