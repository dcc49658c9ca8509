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

ScreenSaverInhibitor::~ScreenSaverInhibitor() { Release(); }

void ScreenSaverInhibitor::Hold(bool on) {
  if (on == wanted_) return;
  wanted_ = on;
  if (!on) {
    Release();
    return;
  }
  if (asking_ || cookie_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage inhibit = Call("Inhibit");
  inhibit << QStringLiteral("DirevOvu") << QStringLiteral("Playing a recording");
  asking_ = true;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    asking_ = false;
    const QDBusPendingReply<std::uint32_t> reply = *call;
    if (!reply.isError()) Answered(reply.value());
  });
}

void ScreenSaverInhibitor::Answered(std::uint32_t cookie) {
  cookie_ = cookie;
  // Let go while the answer was on its way.
  if (!wanted_) Release();
}

void ScreenSaverInhibitor::Release() {
  if (!cookie_) return;
  QDBusMessage uninhibit = Call("UnInhibit");
  uninhibit << *cookie_;
  cookie_.reset();
  // Nobody waits for the answer; a bus that went away takes the hold with it anyway.
  QDBusConnection::sessionBus().send(uninhibit);
}

}  // namespace direvovu::platform
