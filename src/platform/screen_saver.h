#pragma once

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>

namespace direvovu::platform {

// The desktop's screen saver as the freedesktop interface names it on the session bus.
inline constexpr char kScreenSaverService[] = "org.freedesktop.ScreenSaver";
inline constexpr char kScreenSaverPath[] = "/org/freedesktop/ScreenSaver";
inline constexpr char kScreenSaverInterface[] = "org.freedesktop.ScreenSaver";

// Keeps the screen on while a recording plays: Inhibit when held, UnInhibit with the
// cookie when let go. The calls do not block; without a session bus or a screen saver on
// it nothing happens. A let-go that comes before the answer, even the inhibitor's end,
// gives the cookie back once the answer arrives.
class ScreenSaverInhibitor : public QObject {
  Q_OBJECT

 public:
  explicit ScreenSaverInhibitor(QObject* parent = nullptr);
  ~ScreenSaverInhibitor() override;
  ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
  ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

  // Held while `on`; calling it again with the same value does nothing.
  void Hold(bool on);
  [[nodiscard]] bool held() const { return hold_->wanted; }

 private:
  // Shared with an Inhibit call on its way, which may outlive the inhibitor.
  struct Claim {
    bool wanted = false;
    bool asking = false;
    std::optional<std::uint32_t> cookie;
  };
  static void Release(Claim& hold);

  std::shared_ptr<Claim> hold_ = std::make_shared<Claim>();
};

}  // namespace direvovu::platform
