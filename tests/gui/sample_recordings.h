#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace direvovu::test {

// Camera-format pairs made by direvovu-sample in a temporary folder of their own: two
// seconds, 160x96, no sound. The folder goes with the object.
class SampleRecordings {
 public:
  // The front of the pair starting at `start` ("2012-03-14T09:05:07"), scrambled with
  // `password` when one is given; empty unless both channels were made.
  std::filesystem::path MakePair(const std::string& start, const char* password = nullptr);
  std::filesystem::path folder() const { return dir_.path().toStdString(); }

 private:
  QTemporaryDir dir_;
};

// The folder of recordings an end-to-end script names in DIREVOVU_E2E_RECORDINGS; empty
// unless that is set and an X server shows the windows, as the tests that use it look
// at real pictures and skip otherwise.
std::filesystem::path E2eRecordingsFolder();
// The first recording in `folder` whose name starts with `prefix`; empty when there is none.
std::filesystem::path FindRecording(const std::filesystem::path& folder, const std::string& prefix);

}  // namespace direvovu::test
