#include "core/reports/firmware_version.h"

#include <array>
#include <fstream>

namespace direvovu::reports {

std::filesystem::path FirmwareVersionFile(const std::filesystem::path& card_root) {
  return card_root / "Setup" / "ver.txt";
}

std::string FirmwareVersionText(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size() && i < kFirmwareVersionBytes; ++i) {
    const std::uint8_t byte = bytes[i];
    if (byte == 0) break;
    if (byte < 0x80) {
      text.push_back(static_cast<char>(byte));
    } else {
      text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return text;
}

std::optional<std::string> ReadFirmwareVersion(const std::filesystem::path& file,
                                               const SetHiddenFn& set_hidden) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::array<std::uint8_t, kFirmwareVersionBytes> bytes{};
  std::size_t count = 0;
  {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    count = static_cast<std::size_t>(in.gcount());
  }
  if (set_hidden) set_hidden(file, true);
  return FirmwareVersionText(std::span(bytes.data(), count));
}

std::string FirmwareLine(std::string_view label, const std::optional<std::string>& version) {
  if (!version) return {};
  // A full-width colon carries its own space, as in the viewer's version line above it.
  const bool full_width_colon = label.ends_with("\xEF\xBC\x9A");  // U+FF1A
  return std::string(label) + (full_width_colon ? "" : " ") + *version;
}

}  // namespace direvovu::reports
