#include "core/export/overlay_script.h"

#include <cmath>
#include <optional>

#include "core/printf_text.h"
#include "core/settings/texts.h"

namespace direvovu::exporting {
namespace {

// ASS colours are &HAABBGGRR, alpha 00 opaque.
constexpr std::string_view kWhite = "&H00FFFFFF";
constexpr std::string_view kBlack = "&H00000000";
// The band's ground: black, a third see-through.
constexpr std::string_view kBandGround = R"(\1c&H000000&\1a&H50&)";

// ASS counts time in centiseconds.
std::int64_t Centiseconds(std::int64_t ms) { return (ms + 5) / 10; }

// "H:MM:SS.cc".
std::string AssTime(std::int64_t ms) {
  const std::int64_t cs = Centiseconds(ms);
  return PrintfText("%lld:%02lld:%02lld.%02lld", static_cast<long long>(cs / 360000),
                    static_cast<long long>(cs / 6000 % 60), static_cast<long long>(cs / 100 % 60),
                    static_cast<long long>(cs % 100));
}

std::string StyleLine(std::string_view name, std::string_view font, int fontSize, bool bold, int alignment) {
  const std::string colours =
      std::string(kWhite) + "," + std::string(kWhite) + "," + std::string(kBlack) + "," + std::string(kBlack);
  return "Style: " + std::string(name) + "," + std::string(font) + "," + std::to_string(fontSize) + "," +
         colours + "," + (bold ? "-1" : "0") + ",0,0,0,100,100,0,0,1,2,0," + std::to_string(alignment) +
         ",0,0,0,1\n";
}

std::string Header(PictureSize output, std::string_view font, int fontSize) {
  return "[Script Info]\n"
         "ScriptType: v4.00+\n"
         "PlayResX: " +
         std::to_string(output.width) + "\nPlayResY: " + std::to_string(output.height) +
         "\n"
         "WrapStyle: 2\n"
         "ScaledBorderAndShadow: yes\n"
         "YCbCr Matrix: None\n"
         "\n"
         "[V4+ Styles]\n"
         "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, "
         "Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, "
         "Alignment, MarginL, MarginR, MarginV, Encoding\n" +
         StyleLine("Band", font, fontSize, false, 1) + StyleLine("Channel", font, fontSize, true, 7) +
         "\n"
         "[Events]\n"
         "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
}

std::string Dialogue(int layer, std::int64_t startMs, std::int64_t endMs, std::string_view style,
                     const std::string& text) {
  return PrintfText("Dialogue: %d,", layer) + AssTime(startMs) + "," + AssTime(endMs) + "," +
         std::string(style) + ",,0,0,0,," + text + "\n";
}

std::string BandGround(PictureSize output, const BandMetrics& band) {
  return PrintfText(R"({\an7\pos(0,%d)\bord0\shad0)", output.height - band.height) +
         std::string(kBandGround) +
         PrintfText(R"(\p1}m 0 0 l %d 0 l %d %d l 0 %d{\p0})", output.width, output.width, band.height,
                    band.height);
}

std::string ChannelName(const std::optional<PictureRect>& rect, int row, const BandMetrics& band,
                        std::int64_t clipMs, int language) {
  if (!rect) return {};
  const std::string place = PrintfText(R"({\pos(%d,%d)})", rect->x + band.margin, rect->y + band.margin);
  return Dialogue(1, 0, clipMs, "Channel", place + AssEscaped(Text(TextTable::ProgramTexts, row, language)));
}

std::string BandLines(const SpanSource& source, const ExportGeometry& geometry, const OverlayStyle& style,
                      const BandMetrics& band) {
  const std::string place = PrintfText(R"({\pos(%d,%d)})", band.margin, geometry.output.height - band.margin);
  std::string events;
  for (const SpanSecond& s : SecondsOfSpan(source)) {
    // A sliver of a second under a centisecond has no time of its own in the script.
    if (Centiseconds(s.endMs) <= Centiseconds(s.startMs)) continue;
    const SecondTexts texts = TextsOfSecond(source.time, s.second, s.record, style.speedUnit);
    events +=
        Dialogue(1, s.startMs, s.endMs, "Band", place + AssEscaped(BandText(texts, style.language), true));
  }
  return events;
}

}  // namespace

std::string OverlayScript(const SpanSource& source, const ExportGeometry& geometry,
                          const OverlayStyle& style) {
  const BandMetrics band = BandMetricsOf(geometry.output);
  const std::int64_t clipMs = std::llround((source.span.to - source.span.from) * 1000);
  namespace row = rows::program_texts;
  return Header(geometry.output, OverlayFontName(style.language), band.fontSize) +
         Dialogue(0, 0, clipMs, "Band", BandGround(geometry.output, band)) +
         ChannelName(geometry.front, row::kFrontChannel, band, clipMs, style.language) +
         ChannelName(geometry.rear, row::kRearChannel, band, clipMs, style.language) +
         BandLines(source, geometry, style, band);
}

std::string_view OverlayFontName(int language) {
  switch (language) {
    case kKorean:
      return "Noto Sans CJK KR";
    case kChineseSimplified:
      return "Noto Sans CJK SC";
    case kChineseTraditional:
      return "Noto Sans CJK TC";
    default:
      return "Noto Sans CJK JP";
  }
}

std::string AssEscaped(std::string_view text, bool keepLineBreaks) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '{':
      case '}':
        out += '\\';
        out += c;
        break;
      case '\\':
        // A word joiner after it: "\N" and friends need the letter right after the backslash.
        out += "\\\u2060";
        break;
      case '\n':
        out += keepLineBreaks ? "\\N" : " ";
        break;
      case '\r':
        out += ' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace direvovu::exporting
