#include "sample_recordings.h"

#include <QGuiApplication>
#include <QProcess>

#include <cstdlib>

#include "core/recording/recording_name.h"

namespace direvovu::test {

namespace fs = std::filesystem;

fs::path SampleRecordings::MakePair(const std::string& start, const char* password) {
  QStringList args{"recording", "--out", dir_.path(), "--start", QString::fromStdString(start),
                   "--seconds", "2",     "--size",    "160x96",  "--no-audio"};
  if (password != nullptr) args << "--password" << password;
  QProcess run;
  run.start(QStringLiteral(DIREVOVU_BINARY_DIR "/direvovu-sample"), args);
  if (!run.waitForFinished(60000) || run.exitCode() != 0) return {};
  // "2012-03-14T09:05:07" names its pair drf0_20120314_090507.mp4.
  const std::string name = "drf0_" + start.substr(0, 4) + start.substr(5, 2) + start.substr(8, 2) + "_" +
                           start.substr(11, 2) + start.substr(14, 2) + start.substr(17, 2) + ".mp4";
  const fs::path front = folder() / name;
  if (!fs::exists(front) || !fs::exists(RearCompanionPath(front))) return {};
  return front;
}

fs::path E2eRecordingsFolder() {
  const char* folder = std::getenv("DIREVOVU_E2E_RECORDINGS");
  if (folder == nullptr || QGuiApplication::platformName() != QStringLiteral("xcb")) return {};
  return folder;
}

fs::path FindRecording(const fs::path& folder, const std::string& prefix) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0 && entry.path().extension() == ".mp4") return entry.path();
  }
  return {};
}

}  // namespace direvovu::test
