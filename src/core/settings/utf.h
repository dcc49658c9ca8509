#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace direvovu {

// UTF-16 little-endian bytes (no byte-order mark) to UTF-8. Unpaired surrogates
// become U+FFFD; an odd last byte is dropped.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);

// UTF-8 to UTF-16 little-endian bytes. Invalid sequences become U+FFFD.
std::vector<std::uint8_t> Utf8ToUtf16Le(std::string_view text);

// Number of characters (code points) in UTF-8 text; stray bytes count one each.
std::size_t Utf8Length(std::string_view text);

}  // namespace direvovu
