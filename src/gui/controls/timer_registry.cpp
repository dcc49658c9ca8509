#include "gui/controls/timer_registry.h"

#include <QTimer>

namespace direvovu::gui {

TimerRegistry::TimerRegistry(QObject* parent) : QObject(parent) {}

TimerRegistry::~TimerRegistry() = default;

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the id, then the period
void TimerRegistry::Define(int id, int period_ms, bool one_shot, Handler handler) {
  Slot& slot = slots_[id];
  slot.period_ms = period_ms;
  slot.one_shot = one_shot;
  slot.handler = std::move(handler);
  if (!slot.timer) {
    slot.timer = std::make_unique<QTimer>();
    slot.timer->setTimerType(Qt::CoarseTimer);
    // The registry's own stop/start decides about one-shots, so the QTimer repeats.
    connect(slot.timer.get(), &QTimer::timeout, this, [this, id] { Tick(id); });
  }
  slot.timer->stop();
}

bool TimerRegistry::IsDefined(int id) const { return slots_.contains(id); }

bool TimerRegistry::Start(int id) {
  const auto found = slots_.find(id);
  return found != slots_.end() && Start(id, found->second.period_ms);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the id, then the period
bool TimerRegistry::Start(int id, int period_ms) {
  const auto found = slots_.find(id);
  if (found == slots_.end() || period_ms <= 0) return false;
  Slot& slot = found->second;
  slot.timer->stop();
  slot.timer->start(period_ms);
  return true;
}

void TimerRegistry::Stop(int id) {
  const auto found = slots_.find(id);
  if (found != slots_.end()) found->second.timer->stop();
}

void TimerRegistry::StopAll(std::span<const int> ids) {
  for (const int id : ids) Stop(id);
}

void TimerRegistry::StopEverything() {
  for (auto& [id, slot] : slots_) slot.timer->stop();
}

bool TimerRegistry::IsActive(int id) const {
  const auto found = slots_.find(id);
  return found != slots_.end() && found->second.timer->isActive();
}

bool TimerRegistry::IsOneShot(int id) const {
  const auto found = slots_.find(id);
  return found != slots_.end() && found->second.one_shot;
}

int TimerRegistry::Period(int id) const {
  const auto found = slots_.find(id);
  if (found == slots_.end()) return 0;
  const int running = found->second.timer->interval();
  return found->second.timer->isActive() || running > 0 ? running : found->second.period_ms;
}

std::vector<int> TimerRegistry::ActiveIds() const {
  std::vector<int> ids;
  for (const auto& [id, slot] : slots_) {
    if (slot.timer->isActive()) ids.push_back(id);
  }
  return ids;
}

void TimerRegistry::Tick(int id) {
  const auto found = slots_.find(id);
  if (found == slots_.end()) return;
  Slot& slot = found->second;
  if (slot.one_shot) slot.timer->stop();
  // The handler may redefine or restart timers; keep it alive while it runs.
  const Handler handler = slot.handler;
  if (handler) handler();
}

}  // namespace direvovu::gui
