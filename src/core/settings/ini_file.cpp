#include "core/settings/ini_file.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <system_error>

#include "core/io/atomic_file.h"
#include "core/limits.h"
#include "core/settings/ini_document.h"

namespace direvovu {
namespace {

std::optional<IniDocument> LoadDocument(const std::filesystem::path& path) {
  if (path.empty()) return std::nullopt;
  const auto bytes = ReadSmallFile(path, limits::kMaxIniFileBytes);
  if (!bytes) return std::nullopt;
  return IniDocument::Parse(*bytes);
}

// A read-only settings file stays as it is, as the profile functions leave it.
bool IsWritable(const std::filesystem::path& path) {
  std::error_code ec;
  const auto st = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(st)) return true;
  return (st.permissions() & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
}

constexpr char kHex[] = "0123456789ABCDEF";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

CBIniFile::CBIniFile(std::filesystem::path path) : path_(std::move(path)) {}

void CBIniFile::SetPath(std::filesystem::path path) { path_ = std::move(path); }

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): section, key, default: the INI order
std::string CBIniFile::GetString(std::string_view section, std::string_view key,
                                 std::string_view default_value, std::size_t size) const {
  const std::size_t max_chars = size == 0 ? 0 : size - 1;
  const auto doc = LoadDocument(path_);
  const auto value = doc ? doc->Get(section, key) : std::nullopt;
  return TruncateUtf8(value ? std::string_view(*value) : default_value, max_chars);
}

int CBIniFile::GetInt(std::string_view section, std::string_view key, int default_value) const {
  const auto doc = LoadDocument(path_);
  const auto value = doc ? doc->Get(section, key) : std::nullopt;
  return value ? LeadingNumber(*value) : default_value;
}

std::vector<std::string> CBIniFile::GetSectionNames() const {
  const auto doc = LoadDocument(path_);
  return doc ? doc->SectionNames() : std::vector<std::string>{};
}

std::vector<std::string> CBIniFile::GetSection(std::string_view section) const {
  const auto doc = LoadDocument(path_);
  return doc ? doc->SectionLines(section) : std::vector<std::string>{};
}

bool CBIniFile::GetStruct(std::string_view section, std::string_view key,
                          std::span<std::uint8_t> data) const {
  const auto doc = LoadDocument(path_);
  const auto value = doc ? doc->Get(section, key) : std::nullopt;
  if (!value || value->size() != 2 * (data.size() + 1)) return false;
  std::uint8_t sum = 0;
  std::vector<std::uint8_t> bytes(data.size() + 1);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int hi = HexDigit((*value)[2 * i]);
    const int lo = HexDigit((*value)[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    if (i < data.size()) sum = static_cast<std::uint8_t>(sum + bytes[i]);
  }
  if (bytes[data.size()] != sum) return false;  // the byte after the data is their sum
  std::copy_n(bytes.begin(), data.size(), data.begin());
  return true;
}

template <typename Edit>
bool CBIniFile::Rewrite(Edit edit) const {
  if (path_.empty() || !IsWritable(path_)) return false;
  std::error_code ec;
  IniDocument doc;
  if (std::filesystem::exists(path_, ec)) {
    // A file we cannot read completely is not rewritten: we would lose what it holds.
    auto loaded = LoadDocument(path_);
    if (!loaded) return false;
    doc = std::move(*loaded);
  }
  edit(doc);
  const auto bytes = doc.Serialize();
  return WriteFileAtomically(path_, bytes);
}

bool CBIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) const {
  return Rewrite([&](IniDocument& doc) { doc.Set(section, key, value); });
}

bool CBIniFile::WriteStrings(std::string_view section,
                             const std::vector<std::pair<std::string, std::string>>& pairs) const {
  return Rewrite([&](IniDocument& doc) {
    for (const auto& [key, value] : pairs) doc.Set(section, key, value);
  });
}

bool CBIniFile::WriteSection(std::string_view section, const std::vector<std::string>& lines) const {
  return Rewrite([&](IniDocument& doc) { doc.SetSection(section, lines); });
}

bool CBIniFile::WriteStruct(std::string_view section, std::string_view key,
                            std::span<const std::uint8_t> data) const {
  std::string text;
  std::uint8_t sum = 0;
  for (const auto b : data) {
    text += kHex[b >> 4];
    text += kHex[b & 0x0F];
    sum = static_cast<std::uint8_t>(sum + b);
  }
  text += kHex[sum >> 4];
  text += kHex[sum & 0x0F];
  return WriteString(section, key, text);
}

int LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace direvovu
