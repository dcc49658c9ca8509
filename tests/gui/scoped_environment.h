#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace direvovu::test {

// Sets an environment variable for one test and puts back what was there when the test
// ends, however it ends (a failed assertion returns early).
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QByteArray& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) before_ = qgetenv(name);
    qputenv(name, value);
  }
  ~ScopedEnvironment() {
    if (before_) {
      qputenv(name_, *before_);
    } else {
      qunsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  void Set(const QByteArray& value) const { qputenv(name_, value); }

 private:
  const char* name_;
  std::optional<QByteArray> before_;
};

}  // namespace direvovu::test
