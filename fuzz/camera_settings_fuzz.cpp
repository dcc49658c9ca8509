// The camera's setup.ini over arbitrary bytes: every value read lies in its control's
// range, and what a save writes reads back as the same numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/settings/ini_document.h"
#include "core/setup/camera_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace direvovu;
  const CameraSettings s = ParseCameraSettings(std::span(data, size));
  if (s.impact_x_index < 0 || s.impact_x_index >= kThresholdCount || s.fps_index < 0 ||
      s.fps_index >= kFrameRateCount || s.cutoff_volt < 0 || s.cutoff_volt >= kCutOffVoltCount ||
      s.impact_val_index < 0 || s.impact_val_index >= kSensitivityCount) {
    std::abort();
  }
  // The save's round trip costs three times the read; while fuzzing, one input in four
  // (chosen by its length, so a finding replays) takes it and the reader gets the rest of
  // the time. The corpus replay of the normal build takes it for every input.
#ifndef DIREVOVU_FUZZ_REPLAY
  if (size % 4 != 0) return 0;
#endif
  IniDocument doc = IniDocument::Parse(std::span(data, size));
  for (const auto& [key, value] : CameraSettingsToSave(s)) doc.Set(kCameraSection, key, value);
  const auto bytes = doc.Serialize();
  CameraSettings again = ParseCameraSettings(bytes);
  again.driver = s.driver;
  again.car_no = s.car_no;
  again.time_zone = s.time_zone;
  if (!(again == s)) std::abort();
  return 0;
}
