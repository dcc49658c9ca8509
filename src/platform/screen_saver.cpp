#include "platform/screen_saver.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace direvovu::platform {
namespace {

QDBusMessage Call(const char* method) {
  return QDBusMessage::createMethodCall(QLatin1String(kScreenSaverService), QLatin1String(kScreenSaverPath),
                                        QLatin1String(kScreenSaverInterface), QLatin1String(method));
}

}  // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject* parent) : QObject(parent) {}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
  hold_->wanted = false;
  Release(*hold_);
}

void ScreenSaverInhibitor::Hold(bool on) {
  Claim& hold = *hold_;
  if (on == hold.wanted) return;
  hold.wanted = on;
  if (!on) {
    Release(hold);
    return;
  }
  if (hold.asking || hold.cookie) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage inhibit = Call("Inhibit");
  inhibit << QStringLiteral("DirevOvu") << QStringLiteral("Playing a recording");
  hold.asking = true;
  // No parent: the answer is waited for even when the inhibitor has gone meanwhile.
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                   [shared = hold_](QDBusPendingCallWatcher* call) {
                     call->deleteLater();
                     shared->asking = false;
                     const QDBusPendingReply<std::uint32_t> reply = *call;
                     if (reply.isError()) return;
                     shared->cookie = reply.value();
                     if (!shared->wanted) Release(*shared);
                   });
}

void ScreenSaverInhibitor::Release(Claim& hold) {
  if (!hold.cookie) return;
  QDBusMessage uninhibit = Call("UnInhibit");
  uninhibit << *hold.cookie;
  hold.cookie.reset();
  // Nobody waits for the answer; a bus that went away takes the hold with it anyway.
  QDBusConnection::sessionBus().send(uninhibit);
}

}  // namespace direvovu::platform
