#include "core/settings/ini_document.h"

#include <algorithm>

#include "core/settings/utf.h"

namespace direvovu {
namespace {

constexpr std::uint8_t kUtf16Bom[] = {0xFF, 0xFE};
constexpr std::uint8_t kUtf8Bom[] = {0xEF, 0xBB, 0xBF};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
  const std::string_view t = TrimBlanks(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::string_view inner = t.substr(1);
  return TrimBlanks(inner.substr(0, inner.find(']')));
}

// Key of a "key=value" line, or nullopt when the line has no equals sign.
std::optional<std::string_view> KeyOf(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(0, eq));
}

std::string_view StripQuotes(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

// A value must stay on its line: a line break in it would forge other keys.
std::string OneLine(std::string_view text) {
  std::string s(text);
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return s;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string TruncateUtf8(std::string_view text, std::size_t max_chars) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < text.size() && n < max_chars; ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return std::string(text.substr(0, i));
}

IniDocument IniDocument::Parse(std::span<const std::uint8_t> bytes) {
  IniDocument doc;
  std::string text;
  if (bytes.size() >= 2 && std::equal(std::begin(kUtf16Bom), std::end(kUtf16Bom), bytes.begin())) {
    doc.encoding_ = Encoding::Utf16Le;
    text = Utf16LeToUtf8(bytes.subspan(2));
  } else {
    text.assign(bytes.begin(), bytes.end());
    if (text.starts_with(std::string_view(reinterpret_cast<const char*>(kUtf8Bom), 3))) {
      doc.utf8_bom_ = true;
      text.erase(0, 3);
    }
  }
  if (text.find("\r\n") == std::string::npos && text.find('\n') != std::string::npos) doc.newline_ = "\n";
  std::size_t start = 0;
  while (start < text.size()) {
    const auto nl = text.find('\n', start);
    if (nl == std::string::npos) {
      doc.lines_.push_back({text.substr(start), ""});
      break;
    }
    std::size_t end = nl;
    if (end > start && text[end - 1] == '\r') --end;
    doc.lines_.push_back({text.substr(start, end - start), text.substr(end, nl + 1 - end)});
    start = nl + 1;
  }
  return doc;
}

std::vector<std::uint8_t> IniDocument::Serialize() const {
  std::string text;
  for (const auto& line : lines_) text += line.text + line.eol;
  if (encoding_ == Encoding::Utf16Le) {
    std::vector<std::uint8_t> out(std::begin(kUtf16Bom), std::end(kUtf16Bom));
    const auto body = Utf8ToUtf16Le(text);
    out.insert(out.end(), body.begin(), body.end());
    return out;
  }
  std::vector<std::uint8_t> out;
  if (utf8_bom_) out.assign(std::begin(kUtf8Bom), std::end(kUtf8Bom));
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionNameOf(lines_[i].text);
    if (!name || !EqualsIgnoringCase(*name, TrimBlanks(section))) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionNameOf(lines_[end].text)) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Span& span, std::string_view key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto k = KeyOf(lines_[i].text);
    if (k && EqualsIgnoringCase(*k, TrimBlanks(key))) return i;
  }
  return std::nullopt;
}

std::size_t IniDocument::InsertionPoint(const Span& span) const {
  std::size_t at = span.end;
  while (at > span.header + 1 && TrimBlanks(lines_[at - 1].text).empty()) --at;
  return at;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const auto span = FindSection(section);
  if (!span) return std::nullopt;
  const auto at = FindKey(*span, key);
  if (!at) return std::nullopt;
  const std::string_view line = lines_[*at].text;
  return std::string(StripQuotes(TrimBlanks(line.substr(line.find('=') + 1))));
}

void IniDocument::InsertLine(std::size_t at, std::string text) {
  // The line before the insertion point must end, or the new line would join it.
  if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = OneLine(TrimBlanks(key)) + "=" + OneLine(value);
  const auto span = FindSection(section);
  if (!span) {
    AppendSection(section, {entry});
    return;
  }
  if (const auto at = FindKey(*span, key)) {
    const std::string_view old = lines_[*at].text;
    lines_[*at].text = std::string(*KeyOf(old)) + "=" + OneLine(value);
    return;
  }
  InsertLine(InsertionPoint(*span), entry);
}

void IniDocument::SetSection(std::string_view section, const std::vector<std::string>& lines) {
  const auto span = FindSection(section);
  if (!span) {
    AppendSection(section, lines);
    return;
  }
  // Keys go; comments and blank lines of the section stay where they were.
  std::size_t at = span->header + 1;
  std::size_t end = span->end;
  while (at < end) {
    if (KeyOf(lines_[at].text)) {
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
      --end;
    } else {
      ++at;
    }
  }
  std::size_t insert = InsertionPoint(Span{span->header, end});
  for (const auto& line : lines) InsertLine(insert++, OneLine(line));
}

void IniDocument::AppendSection(std::string_view section, const std::vector<std::string>& lines) {
  InsertLine(lines_.size(), "[" + OneLine(TrimBlanks(section)) + "]");
  for (const auto& line : lines) InsertLine(lines_.size(), OneLine(line));
}

namespace {
std::string LowerCase(std::string_view text) {
  std::string lower(TrimBlanks(text));
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  return lower;
}
}  // namespace

IniLookup::IniLookup(const IniDocument& document) {
  // Only the first section of a name counts, and in it the first line of a key.
  Keys* current = nullptr;
  for (const auto& line : document.lines_) {
    if (const auto name = SectionNameOf(line.text)) {
      const auto [at, added] = sections_.try_emplace(LowerCase(*name));
      current = added ? &at->second : nullptr;
      continue;
    }
    const auto key = KeyOf(line.text);
    if (current == nullptr || !key) continue;
    const std::string_view text = line.text;
    current->try_emplace(LowerCase(*key), StripQuotes(TrimBlanks(text.substr(text.find('=') + 1))));
  }
}

std::optional<std::string> IniLookup::Get(std::string_view section, std::string_view key) const {
  const auto s = sections_.find(LowerCase(section));
  if (s == sections_.end()) return std::nullopt;
  const auto k = s->second.find(LowerCase(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const auto& line : lines_) {
    if (const auto name = SectionNameOf(line.text)) names.emplace_back(*name);
  }
  return names;
}

std::vector<std::string> IniDocument::SectionLines(std::string_view section) const {
  std::vector<std::string> out;
  const auto span = FindSection(section);
  if (!span) return out;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    const std::string_view t = TrimBlanks(lines_[i].text);
    if (!t.empty() && t.front() != ';' && KeyOf(t)) out.emplace_back(t);
  }
  return out;
}

}  // namespace direvovu
