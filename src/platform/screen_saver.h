#pragma once

#include <QObject>

#include <cstdint>
#include <optional>

namespace direvovu::platform {

// The desktop's screen saver as the freedesktop interface names it on the session bus.
inline constexpr char kScreenSaverService[] = "org.freedesktop.ScreenSaver";
inline constexpr char kScreenSaverPath[] = "/org/freedesktop/ScreenSaver";
inline constexpr char kScreenSaverInterface[] = "org.freedesktop.ScreenSaver";

// Keeps the screen on while a recording plays: Inhibit when held, UnInhibit with the
// cookie when let go. The calls do not block; without a session bus or a screen saver on
// it nothing happens, and a let-go that comes before the answer is sent once it arrives.
class ScreenSaverInhibitor : public QObject {
  Q_OBJECT

 public:
  explicit ScreenSaverInhibitor(QObject* parent = nullptr);
  ~ScreenSaverInhibitor() override;
  ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
  ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

  // Held while `on`; calling it again with the same value does nothing.
  void Hold(bool on);
  [[nodiscard]] bool held() const { return wanted_; }

 private:
  void Answered(std::uint32_t cookie);
  void Release();

  bool wanted_ = false;
  bool asking_ = false;
  std::optional<std::uint32_t> cookie_;
};

}  // namespace direvovu::platform
