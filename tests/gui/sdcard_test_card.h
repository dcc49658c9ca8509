#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace direvovu::test {

// A card laid out as the camera leaves it, in a temporary folder beside a working root.
class TestCard {
 public:
  // `folder`: QTemporaryDir's template for the temporary folder; its default one when empty.
  explicit TestCard(const QString& folder = {}) : dir_(folder) {
    Put("Blackbox/20261208/drf0_20261208_081500.mp4", "front-1");
    Put("Blackbox/20261208/drf1_20261208_081500.mp4", "rear-1");
    Put("Blackbox/20261208/drf0_20261208_081530.mp4", "front-2");
    Put("Event/drf0_20261208_081605.mp4", "event");
    Put("Event/evt_20261208_081605.txt", "g");
    Put("Parking/drf0_20261208_214000.mp4", "parked");
    Put("Setup/setup.ini", "[x]");
  }

  [[nodiscard]] std::filesystem::path card() const { return base() / "card"; }
  [[nodiscard]] std::filesystem::path root() const { return base() / "root"; }
  [[nodiscard]] std::filesystem::path base() const { return dir_.path().toStdString(); }

  void Put(const std::string& relative, const std::string& text) const {
    const auto path = card() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

 private:
  QTemporaryDir dir_;
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return text.str();
}

}  // namespace direvovu::test
