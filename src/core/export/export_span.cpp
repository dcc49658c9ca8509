#include "core/export/export_span.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/limits.h"

namespace direvovu::exporting {
namespace {

// Seconds as a user typed them: "70", "12.5", "0.125" (milliseconds at most).
std::string SecondsText(double seconds) {
  std::array<char, 64> buffer{};
  const double ms = std::round(seconds * 1000) / 1000;
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), ms, std::chars_format::fixed, 3);
  if (result.ec != std::errc{}) return "?";
  std::string text(buffer.data(), result.ptr);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.ends_with('.')) text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string LengthText(double seconds) {
  std::array<char, 64> buffer{};
  auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), seconds, std::chars_format::fixed, 1);
  return result.ec == std::errc{} ? std::string(buffer.data(), result.ptr) + " s" : "? s";
}

}  // namespace

std::optional<std::string> SpanProblem(const ExportSpan& span, double lengthSeconds) {
  const double length = std::isfinite(lengthSeconds) && lengthSeconds > 0 ? lengthSeconds : 0;
  const std::string recording = "the recording (" + LengthText(length) + ")";
  const std::string isLong = " (the recording is " + LengthText(length) + ")";
  if (!std::isfinite(span.from) || !std::isfinite(span.to))
    return "the span is not a pair of numbers of seconds" + isLong;
  const std::string named = "the span " + SecondsText(span.from) + "–" + SecondsText(span.to) + " s";
  if (span.from == span.to) return named + " is empty" + isLong;
  if (span.from > span.to) return named + " ends before it starts" + isLong;
  if (span.from >= length || span.to <= 0) return named + " lies outside " + recording;
  if (span.from < 0) return named + " starts before " + recording;
  if (span.to > length) return named + " runs past the end of " + recording;
  return std::nullopt;
}

ExportSpan DefaultSpan(double positionSeconds, double lengthSeconds) {
  const double length = std::isfinite(lengthSeconds) && lengthSeconds > 0 ? lengthSeconds : 0;
  const double at = std::isfinite(positionSeconds) ? std::clamp(positionSeconds, 0.0, length) : 0;
  return {std::max(0.0, at - kDefaultSpanMarginSeconds), std::min(length, at + kDefaultSpanMarginSeconds)};
}

std::vector<SpanSecond> SecondsOfSpan(const SpanSource& source) {
  const double from = source.span.from;
  const double to = source.span.to;
  std::vector<SpanSecond> seconds;
  // No recording reaches past a 32-bit count of seconds; the count stays an integer.
  const double latest = std::numeric_limits<std::uint32_t>::max();
  if (!std::isfinite(to) || from < 0 || !(to > from) || from > latest) return seconds;
  const double last = std::min(std::ceil(to), std::floor(from) + double{limits::kMaxExportSpanSeconds});
  const auto first = static_cast<std::int64_t>(std::floor(from));
  const auto end = static_cast<std::int64_t>(last);
  const auto ms = [from](double at) { return std::llround((at - from) * 1000); };
  seconds.reserve(static_cast<std::size_t>(end - first));
  for (std::int64_t k = first; k < end; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const auto kd = static_cast<double>(k);
    seconds.push_back({k, ms(std::max(kd, from)), ms(std::min(kd + 1, to)),
                       index < source.records.size() ? &source.records[index] : nullptr});
  }
  return seconds;
}

}  // namespace direvovu::exporting
