#include "core/map/script_call.h"

#include <cstdio>

namespace direvovu::map {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string Trimmed(std::string text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

void AppendEscape(std::string& out, unsigned code) {
  char buffer[8];
  std::snprintf(buffer, sizeof(buffer), "\\u%04x", code);
  out += buffer;
}

std::string ArrayOfLiterals(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ',';
    out += ScriptStringLiteral(texts[i]);
  }
  return out + "]";
}

}  // namespace

std::string TakeToken(std::string& source, std::string_view delimiters, bool trim, bool any_of) {
  const std::size_t p = any_of ? source.find_first_of(delimiters) : source.find(delimiters);
  std::string token;
  if (p == std::string::npos || delimiters.empty()) {
    token = std::move(source);
    source.clear();
  } else {
    token = source.substr(0, p);
    source.erase(0, p + 1);
  }
  return trim ? Trimmed(std::move(token)) : token;
}

std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> arguments;
  std::string rest(text);
  for (;;) {
    std::string token = TakeToken(rest, ",");
    if (token.empty()) break;
    arguments.push_back(std::move(token));
  }
  return arguments;
}

std::string ScriptStringLiteral(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '"':
        out += "\\\"";
        continue;
      case '\\':
        out += "\\\\";
        continue;
      case '\n':
        out += "\\n";
        continue;
      case '\r':
        out += "\\r";
        continue;
      case '\t':
        out += "\\t";
        continue;
      case '<':
      case '>':
      case '&':
      case '\'':
        AppendEscape(out, c);
        continue;
      default:
        break;
    }
    // U+2028 and U+2029 (E2 80 A8 / E2 80 A9) end a line in older script engines.
    if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
        (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
         static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
      AppendEscape(out, static_cast<unsigned char>(text[i + 2]) == 0xA8 ? 0x2028 : 0x2029);
      i += 2;
      continue;
    }
    if (c < 0x20 || c == 0x7F) {
      AppendEscape(out, c);
      continue;
    }
    out += static_cast<char>(c);
  }
  return out + "\"";
}

bool IsScriptFunctionName(std::string_view name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (const char c : name) {
    const bool ok =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
    if (!ok) return false;
  }
  return true;
}

std::string ScriptCallText(std::string_view name, const std::vector<std::string>& arguments) {
  if (!IsScriptFunctionName(name)) return {};
  const std::string quoted = ScriptStringLiteral(name);
  return "(function(){var f=window[" + quoted +
         "];if(typeof f!==\"function\")return null;var r=f.apply(window," + ArrayOfLiterals(arguments) +
         ");return r===undefined||r===null?\"\":String(r);})()";
}

std::string ScriptFunctionsText(const std::vector<std::string>& names) {
  return "(function(){return " + ArrayOfLiterals(names) +
         ".filter(function(n){return typeof window[n]===\"function\";});})()";
}

}  // namespace direvovu::map
