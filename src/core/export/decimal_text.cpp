#include "core/export/decimal_text.h"

#include "core/map/map_page.h"

namespace direvovu::exporting {

std::string DecimalText(double value, int decimals) {
  std::string text = map::FixedText(value, decimals);
  if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace direvovu::exporting
