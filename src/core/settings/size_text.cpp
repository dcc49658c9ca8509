#include "core/settings/size_text.h"

#include <algorithm>

#include "core/printf_text.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr double kGigabyte = kMegabyte * 1024.0;

std::string OneDecimal(double value, int language) {
  std::string text = PrintfText("%.1f", value);
  if (language == kRussian || language == kPortugueseBrazil) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

const char* MegabyteUnit(int language) { return language == kRussian ? "МБ" : "MB"; }
const char* GigabyteUnit(int language) { return language == kRussian ? "ГБ" : "GB"; }

}  // namespace

std::string SizeText(std::uint64_t bytes, int language) {
  const auto value = static_cast<double>(bytes);
  if (value >= kGigabyte) return OneDecimal(value / kGigabyte, language) + " " + GigabyteUnit(language);
  return OneDecimal(value / kMegabyte, language) + " " + MegabyteUnit(language);
}

std::string MegabytesOfText(std::uint64_t done, std::uint64_t total, int language) {
  return OneDecimal(static_cast<double>(done) / kMegabyte, language) + " / " +
         OneDecimal(static_cast<double>(total) / kMegabyte, language) + " " + MegabyteUnit(language);
}

}  // namespace direvovu
