#pragma once

#include <cstdint>
#include <string>

namespace direvovu {

// Sizes as a reader of `language` writes them: one decimal with that language's decimal
// sign and its names of the units (binary multiples, as file managers count).
// "700.0 MB" below a gigabyte, "1.5 GB" from there; Russian "1,5 ГБ".
std::string SizeText(std::uint64_t bytes, int language);
// A running count in megabytes: "12.5 / 700.0 MB".
std::string MegabytesOfText(std::uint64_t done, std::uint64_t total, int language);

}  // namespace direvovu
