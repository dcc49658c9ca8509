#include "core/export/checksums.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "export_fixture.h"
#include "temp_folder.h"

namespace direvovu::exporting {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> PathsOf(const std::string& sums) {
  std::vector<std::string> paths;
  std::istringstream in(sums);
  for (std::string line; std::getline(in, line);) paths.push_back(line.substr(line.find("  ") + 2));
  return paths;
}

TEST(ChecksumsTest, EveryRegularFileSortedAsSha256sumChecksThem) {
  TempFolder folder;
  fs::create_directories(folder / "originals");
  for (const char* name : {"track.csv", "originals/drf0 b.mp4", "originals/SHA256SUMS", "originals/a",
                           "back\\slash", "line\nbreak", "SHA256SUMS"}) {
    WriteText(folder / name, std::string("bytes of ") + name);
  }
  fs::create_symlink("track.csv", folder / "link");
  const ChecksumsOutcome sums = ChecksumsOf(folder.path());
  ASSERT_TRUE(sums.ok()) << sums.error;
  const std::vector<std::string> paths{"back\\\\slash", "line\\nbreak",         "originals/SHA256SUMS",
                                       "originals/a",   "originals/drf0 b.mp4", "track.csv"};
  EXPECT_EQ(PathsOf(sums.text), paths) << sums.text;
  WriteText(folder / "SHA256SUMS", sums.text);
  EXPECT_EQ(direvovu::testing::RunCommand("cd '" + folder.path().string() +
                                          "' && sha256sum --check --strict --quiet SHA256SUMS"),
            0)
      << sums.text;
}

TEST(ChecksumsTest, AFolderThatCannotBeListedIsReported) {
  TempFolder folder;
  const ChecksumsOutcome sums = ChecksumsOf(folder / "missing");
  EXPECT_FALSE(sums.ok());
  EXPECT_NE(sums.error.find((folder / "missing").string()), std::string::npos) << sums.error;
}

}  // namespace
}  // namespace direvovu::exporting
