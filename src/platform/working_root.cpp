#include "platform/working_root.h"

#include <QDate>
#include <QDir>
#include <cstdlib>

namespace direvovu::platform {

std::filesystem::path WorkingRoot() {
  if (const char* env = std::getenv("DIREVOVU_ROOT"); env != nullptr && *env != '\0') return env;
#ifdef _WIN32
  return "C:\\DirevOvu";
#else
  return std::filesystem::path(QDir::homePath().toStdString()) / "DirevOvu";
#endif
}

std::string TodayText() { return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString(); }

}  // namespace direvovu::platform
