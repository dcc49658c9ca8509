// The names a card's walk meets: every line of the input is a path below a card, as the
// camera (or anyone) may have named it. Recognition, the kind, the rear companion and the
// row texts must hold together and never crash.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/recording/recording_name.h"
#include "core/sdcard/card_walk.h"

namespace {

using namespace direvovu;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckName(std::string_view line) {
  const std::filesystem::path relative{std::string(line)};
  const std::string name = relative.filename().string();
  const int channel = RecordingChannel(name);
  Check(channel == 0 || IsRecordingName(name));
  Check((channel == 1) == IsFrontRecordingName(name));
  const int kind = RecordingKind(relative);
  Check(kind >= kKindDriving && kind <= kKindParkingEvent);
  const int type = CardRowType(relative);
  Check(type >= kKindDriving && type <= kKindParkingEvent);
  if (channel == 1) {
    // A front recording's companion is a rear recording of the same moment.
    const std::string rear = RearCompanionPath(relative).filename().string();
    Check(RecordingChannel(rear) == 2 && rear.size() == name.size());
  }
  (void)MakePlaylistRowTexts(relative, 1);
  // One language a line, picked by the line, so long inputs stay fast.
  (void)CardRowTexts(CardRow{relative, type}, 7000, static_cast<int>(line.size() % 7));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Each line is judged alone, so a few lines an input reach as far as many would; more
  // only slow the run down.
  constexpr int kMaxLines = 16;
  int lines = 0;
  for (std::size_t at = 0; at <= text.size() && lines++ < kMaxLines;) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    CheckName(text.substr(at, end - at));
    at = end + 1;
  }
  return 0;
}
