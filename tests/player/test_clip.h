#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <functional>

namespace direvovu::testing {

// A short H.264 + AAC clip (320 x 180, 30 frames per second) made with ffmpeg in a
// temporary folder; empty path when ffmpeg is missing.
class TestClip {
 public:
  explicit TestClip(int seconds = 3);
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path folder() const;

 private:
  QTemporaryDir dir_;
  std::filesystem::path path_;
};

// Runs the event loop until the condition holds or the bound passes; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int bound_ms = 10000);

}  // namespace direvovu::testing
