#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

class QTimer;

namespace direvovu::gui {

// The window's periodic work, by id. Each id is defined once with its period, whether
// it fires once, and what it does; starting an id that runs restarts it, stopping one
// that does not run does nothing, and a one-shot stops itself before its work runs.
class TimerRegistry : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void()>;

  explicit TimerRegistry(QObject* parent = nullptr);
  ~TimerRegistry() override;

  // A period of 0 defines an id that only Tick runs (nothing starts it).
  void Define(int id, int period_ms, bool one_shot, Handler handler);
  [[nodiscard]] bool IsDefined(int id) const;

  // Starts the id with its defined period, or with `period_ms` (the marker interval);
  // false for an undefined id or a period that is not positive.
  bool Start(int id);
  bool Start(int id, int period_ms);
  void Stop(int id);
  void StopAll(std::span<const int> ids);
  void StopEverything();

  [[nodiscard]] bool IsActive(int id) const;
  [[nodiscard]] bool IsOneShot(int id) const;
  // The period the id runs (or last ran, or is defined) with; 0 when undefined.
  [[nodiscard]] int Period(int id) const;
  [[nodiscard]] std::vector<int> ActiveIds() const;

  // What a tick of the id does, run now (tests drive the table through it).
  void Tick(int id);

 private:
  struct Slot {
    int period_ms = 0;
    bool one_shot = false;
    Handler handler;
    std::unique_ptr<QTimer> timer;
  };

  std::map<int, Slot> slots_;
};

}  // namespace direvovu::gui
