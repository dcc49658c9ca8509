// The screen saver held off while a recording plays, against a session bus of the test's
// own (ctest runs it inside dbus-run-session), where the test plays the desktop's screen
// saver or leaves it out.
#include "platform/screen_saver.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace direvovu::test {
namespace {

// The desktop's screen saver: it hands out cookies and records every call.
class FakeScreenSaver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

 public:
  FakeScreenSaver()
      : bus_(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-screen-saver"))) {
    registered_ = bus_.isConnected() &&
                  bus_.registerObject(QString::fromLatin1(platform::kScreenSaverPath), this,
                                      QDBusConnection::ExportAllSlots) &&
                  bus_.registerService(QString::fromLatin1(platform::kScreenSaverService));
  }
  ~FakeScreenSaver() override {
    bus_.unregisterService(QString::fromLatin1(platform::kScreenSaverService));
    bus_.unregisterObject(QString::fromLatin1(platform::kScreenSaverPath));
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-screen-saver"));
  }
  FakeScreenSaver(const FakeScreenSaver&) = delete;
  FakeScreenSaver& operator=(const FakeScreenSaver&) = delete;

  [[nodiscard]] bool registered() const { return registered_; }
  [[nodiscard]] const std::vector<std::string>& calls() const { return calls_; }

 public slots:  // NOLINT(readability-redundant-access-specifiers)
  uint Inhibit(const QString& application, const QString& /*reason*/) {
    calls_.push_back("Inhibit " + application.toStdString() + " -> " + std::to_string(next_cookie_));
    return next_cookie_++;
  }
  void UnInhibit(uint cookie) { calls_.push_back("UnInhibit " + std::to_string(cookie)); }

 private:
  QDBusConnection bus_;
  bool registered_ = false;
  uint next_cookie_ = 41;
  std::vector<std::string> calls_;
};

using Calls = std::vector<std::string>;

TEST(ScreenSaverBus, HeldWhilePlayingAndLetGoWithTheCookie) {
  ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no session bus: run inside dbus-run-session";
  FakeScreenSaver saver;
  ASSERT_TRUE(saver.registered());
  {
    platform::ScreenSaverInhibitor inhibitor;
    inhibitor.Hold(true);
    inhibitor.Hold(true);  // once held, held
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls().size() == 1; }, 5000));
    inhibitor.Hold(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls().size() == 2; }, 5000));
    // Let go before the answer came: the cookie is given back once it arrives.
    inhibitor.Hold(true);
    inhibitor.Hold(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls().size() == 4; }, 5000));
    inhibitor.Hold(true);  // and the close lets go of a hold still in place
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls().size() == 5; }, 5000));
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls().size() == 6; }, 5000));
  EXPECT_EQ(saver.calls(), (Calls{"Inhibit DirevOvu -> 41", "UnInhibit 41", "Inhibit DirevOvu -> 42",
                                  "UnInhibit 42", "Inhibit DirevOvu -> 43", "UnInhibit 43"}));
}

}  // namespace
}  // namespace direvovu::test

#include "screen_saver_test.moc"
