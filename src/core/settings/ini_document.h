#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace direvovu {

// The text of an INI file held as its lines, with the Windows profile rules for
// finding and changing keys. Lines are kept byte for byte, so a write changes only
// the line it touches.
class IniDocument {
 public:
  enum class Encoding { EightBit, Utf16Le };

  // Decodes file bytes: a UTF-16 LE byte-order mark selects UTF-16, anything else is
  // taken as 8-bit text (UTF-8 for us). Never fails; junk stays junk.
  static IniDocument Parse(std::span<const std::uint8_t> bytes);

  // The file bytes for the current lines, in the encoding the file had.
  [[nodiscard]] std::vector<std::uint8_t> Serialize() const;

  // Value of key in section (names match without regard to ASCII case), trimmed of
  // blanks and one pair of surrounding quotes; nullopt when section or key is missing.
  [[nodiscard]] std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Replaces the key's value, or appends the key to its section, or appends the
  // section with the key at the end of the file.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Replaces every key of a section with the given "key=value" lines (the section is
  // appended when missing).
  void SetSection(std::string_view section, const std::vector<std::string>& lines);

  [[nodiscard]] std::vector<std::string> SectionNames() const;
  // The "key=value" lines of a section, comments and blank lines left out.
  [[nodiscard]] std::vector<std::string> SectionLines(std::string_view section) const;

  [[nodiscard]] Encoding encoding() const { return encoding_; }

 private:
  friend class IniLookup;
  struct Line {
    std::string text;  // UTF-8, without its line end
    std::string eol;   // "\r\n", "\n" or "" for an unterminated last line
  };
  struct Span {
    std::size_t header;  // index of the "[section]" line
    std::size_t end;     // one past the last line of the section
  };
  [[nodiscard]] std::optional<Span> FindSection(std::string_view section) const;
  [[nodiscard]] std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;
  [[nodiscard]] std::size_t InsertionPoint(const Span& span) const;
  void AppendSection(std::string_view section, const std::vector<std::string>& lines);
  void InsertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
  std::string newline_ = "\r\n";  // for new lines: what the file uses, CR LF in a new file
  Encoding encoding_ = Encoding::EightBit;
  bool utf8_bom_ = false;
};

// Every value of a document, indexed in one pass, for readers that look up many keys:
// Get on the document searches from the top each time, which a file with thousands of
// sections (an event file, say) turns into a stall. Answers exactly as the document's Get.
class IniLookup {
 public:
  explicit IniLookup(const IniDocument& document);
  [[nodiscard]] std::optional<std::string> Get(std::string_view section, std::string_view key) const;

 private:
  using Keys = std::unordered_map<std::string, std::string>;  // lower-case key -> value
  std::unordered_map<std::string, Keys> sections_;            // lower-case name -> keys
};

// Text helpers shared by the INI code.
std::string_view TrimBlanks(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// The first max_chars characters of UTF-8 text (never splits a character).
std::string TruncateUtf8(std::string_view text, std::size_t max_chars);
// How much of a folder the settings keep.
inline constexpr std::size_t kStoredFolderChars = 260;

}  // namespace direvovu
