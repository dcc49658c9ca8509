#include "media/subtitle_cues.h"

#include <algorithm>

namespace direvovu::media {
namespace {

constexpr std::string_view kWordJoiner = "\u2060";

}  // namespace

std::vector<SubtitleCue> ArrangeCues(const std::vector<SubtitleCue>& cues, std::int64_t shift_ms,
                                     std::int64_t length_ms) {
  std::vector<SubtitleCue> arranged;
  for (const SubtitleCue& cue : cues) {
    SubtitleCue moved{std::max<std::int64_t>(0, cue.startMs - shift_ms),
                      std::min(length_ms, cue.endMs - shift_ms), cue.text};
    if (moved.endMs > moved.startMs) arranged.push_back(std::move(moved));
  }
  std::stable_sort(arranged.begin(), arranged.end(),
                   [](const SubtitleCue& a, const SubtitleCue& b) { return a.startMs < b.startMs; });
  std::vector<SubtitleCue> joined;
  for (SubtitleCue& cue : arranged) {
    if (!joined.empty() && joined.back().startMs == cue.startMs) {
      joined.back().endMs = std::max(joined.back().endMs, cue.endMs);
      joined.back().text += "\n" + cue.text;
    } else {
      joined.push_back(std::move(cue));
    }
  }
  return joined;
}

std::string AssDialogueText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == '\r') continue;
    if (c == '\n') {
      out += "\\N";
      continue;
    }
    out += c;
    if ((c == '\\' && (next == 'n' || next == 'N')) || (c == '{' && next == '\\')) out += kWordJoiner;
  }
  return out;
}

}  // namespace direvovu::media
