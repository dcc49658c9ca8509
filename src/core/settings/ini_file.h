#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace direvovu {

// A settings file bound to one path, with the Windows profile semantics: no cache,
// every call reads or rewrites the file, so what one window writes the next reader
// sees at once. The camera reads its setup.ini through the same rules.
class CBIniFile {
 public:
  CBIniFile() = default;
  explicit CBIniFile(std::filesystem::path path);
  virtual ~CBIniFile() = default;
  CBIniFile(const CBIniFile&) = default;
  CBIniFile& operator=(const CBIniFile&) = default;

  void SetPath(std::filesystem::path path);
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  // The value, trimmed and unquoted, cut to size - 1 characters (callers pass 255);
  // the default when the file, the section or the key is missing.
  [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                      std::string_view default_value, std::size_t size = 255) const;
  // The decimal number at the start of the value; the default when the key is missing.
  [[nodiscard]] int GetInt(std::string_view section, std::string_view key, int default_value) const;
  [[nodiscard]] std::vector<std::string> GetSectionNames() const;
  [[nodiscard]] std::vector<std::string> GetSection(std::string_view section) const;
  // Binary data stored as hexadecimal pairs followed by a one-byte checksum; false
  // when the key is missing, the length differs or the checksum is wrong.
  [[nodiscard]] bool GetStruct(std::string_view section, std::string_view key,
                               std::span<std::uint8_t> data) const;

  // Each write rewrites the file through a temporary file and a rename. The folder
  // must exist. False when the file cannot be read back or written.
  [[nodiscard]] bool WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) const;
  // Several keys of one section in one rewrite, in the given order (a key given twice
  // keeps its first place and its last value): a reader never sees half of them.
  [[nodiscard]] bool WriteStrings(std::string_view section,
                                  const std::vector<std::pair<std::string, std::string>>& pairs) const;
  [[nodiscard]] bool WriteSection(std::string_view section, const std::vector<std::string>& lines) const;
  [[nodiscard]] bool WriteStruct(std::string_view section, std::string_view key,
                                 std::span<const std::uint8_t> data) const;

 private:
  template <typename Edit>
  bool Rewrite(Edit edit) const;

  std::filesystem::path path_;
};

// The rule of the viewer's numeric settings: the number at the start of text (blanks
// first allowed, an optional sign, digits until the first non-digit); 0 when the text
// does not start with a number. Saturates instead of overflowing.
int LeadingNumber(std::string_view text);

}  // namespace direvovu
