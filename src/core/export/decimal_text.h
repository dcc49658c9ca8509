#pragma once

#include <string>

namespace direvovu::exporting {

// Fixed-point text with a decimal point whatever the locale, and without the sign of a
// value that rounds to zero ("0.00", not "-0.00").
std::string DecimalText(double value, int decimals);

}  // namespace direvovu::exporting
