#include "core/setup/viewer_setup.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace direvovu {
namespace {

class ViewerSetupTest : public ::testing::Test {
 protected:
  TempFolder root;
  WorkingFolders folders{root.path()};
};

TEST_F(ViewerSetupTest, OpensWithDefaultsAndTheLanguageInUse) {
  WriteText(folders.settings_file(), "[VIEWER_SETUP]\r\nLANGUAGE=0\r\nROUTE_INTERVAL=9\r\nSPEED_UNIT=0\r\n");
  const auto v = OpenViewerSetup(folders, kEnglish);
  EXPECT_EQ(v.language, kEnglish);
  EXPECT_EQ(v.capture_folder, folders.capture().string());
  EXPECT_EQ(v.decryption_folder, folders.decryption().string());
  EXPECT_EQ(v.download_folder, folders.download().string());
  EXPECT_EQ(v.route_interval, 1);
  EXPECT_TRUE(v.marker_on);
  EXPECT_EQ(v.speed_unit, 0);
}

TEST_F(ViewerSetupTest, SaveWritesEveryKeyInOrderAndKeepsTheOthers) {
  WriteText(folders.settings_file(), "[VIEWER_SETUP]\r\nSEARCH_PATH=/x\r\nROUTE_INTERVAL=1\r\n");
  auto v = OpenViewerSetup(folders, kKorean);
  v.route_interval = 4;
  v.capture_folder = "";
  ASSERT_TRUE(SaveViewerSetup(folders, v, 8));
  const std::string expected = "[VIEWER_SETUP]\r\nSEARCH_PATH=/x\r\nROUTE_INTERVAL=4\r\nSD_DOWN_FOLDER=" +
                               folders.download().string() +
                               "\r\nCAPTURE_FOLDER=\r\nDECRYPTION_FOLDER=" + folders.decryption().string() +
                               "\r\nLANGUAGE=0\r\nMARK_ROUTE_ONOFF=1\r\nVOLUME=8\r\nSPEED_UNIT=1\r\n";
  EXPECT_EQ(ReadText(folders.settings_file()), expected);
  EXPECT_EQ(MarkerIntervalMs(OpenViewerSetup(folders, kKorean).route_interval), 10000);
}

TEST_F(ViewerSetupTest, NewFileHoldsTheKeysInTheSaveOrder) {
  const auto pairs = ViewerSetupToSave(OpenViewerSetup(folders, kJapanese), 5);
  std::vector<std::string> keys;
  for (const auto& [key, value] : pairs) keys.push_back(key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"SD_DOWN_FOLDER", "CAPTURE_FOLDER", "DECRYPTION_FOLDER", "LANGUAGE",
                                      "MARK_ROUTE_ONOFF", "ROUTE_INTERVAL", "VOLUME", "SPEED_UNIT"}));
  ViewerSetupValues longer;
  longer.capture_folder = std::string(300, 'a');
  longer.marker_on = false;
  const auto saved = ViewerSetupToSave(longer, 5);
  EXPECT_EQ(saved[1].second.size(), 260U);
  EXPECT_EQ(saved[4].second, "0");
}

}  // namespace
}  // namespace direvovu
