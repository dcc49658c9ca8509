#include "gui/reports/program_info.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include <vector>

#include "core/settings/texts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

class ProgramInformation : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(kEnglish); }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  ProgramInfoContext Context(char letter = 'E') {
    ProgramInfoContext context;
    context.cardLetter = letter;
    context.drives = {Drive{'C', "/", false}, Drive{'E', card.card(), true}};
    context.setHidden = [this](const fs::path& file, bool hidden) {
      hidden_calls.emplace_back(file, hidden);
      return true;
    };
    return context;
  }
  fs::path VerFile() const { return card.card() / "Setup" / "ver.txt"; }

  test::TestCard card;
  std::vector<std::pair<fs::path, bool>> hidden_calls;
};

TEST_F(ProgramInformation, ShowsTheViewerAndFirmwareVersionsAndHidesVerTxt) {
  card.Put("Setup/ver.txt", "1.2.3");
  CProgramInfo dialog(Context());
  EXPECT_EQ(dialog.windowTitle(), "DirevOvu PC Viewer");
  EXPECT_EQ(dialog.viewerVersionLabel()->text(), "◈ PC Viewer Version: 2.6.1");
  EXPECT_EQ(dialog.firmwareLabel()->text(), "◈ Firmware Version: 1.2.3");
  ASSERT_EQ(hidden_calls.size(), 1U);
  EXPECT_EQ(hidden_calls[0].first, VerFile());
  EXPECT_TRUE(hidden_calls[0].second);
  // The notice is ours, naming what the viewer is built on.
  for (const char* name : {"Qt", "libvlc", "Leaflet", "Natural Earth", "OpenStreetMap"}) {
    EXPECT_TRUE(dialog.noticeLabel()->text().contains(QString::fromLatin1(name))) << name;
  }
  EXPECT_TRUE(dialog.noticeLabel()->wordWrap());
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(dialog.palette().color(QPalette::WindowText), QColor::fromRgb(0x200020));
}

TEST_F(ProgramInformation, NoCardOrNoFileLeavesTheFirmwareLineEmpty) {
  {
    CProgramInfo dialog(Context(0));
    EXPECT_TRUE(dialog.firmwareLabel()->text().isEmpty());
  }
  CProgramInfo dialog(Context('E'));  // the card has no Setup/ver.txt
  EXPECT_TRUE(dialog.firmwareLabel()->text().isEmpty());
  EXPECT_TRUE(hidden_calls.empty());
}

TEST_F(ProgramInformation, OddVersionFilesShowWhatCanBeShown) {
  card.Put("Setup/ver.txt", "V\xE9rsion-2.0-long-long-long" + std::string(1024 * 1024, 'x'));
  {
    CProgramInfo dialog(Context());
    EXPECT_EQ(dialog.firmwareLabel()->text(),
              QString::fromUtf8("◈ Firmware Version: V\u00E9rsion-2.0-long-lon"));
  }
  card.Put("Setup/ver.txt", std::string("2.1\0garbage", 11));
  {
    CProgramInfo dialog(Context());
    EXPECT_EQ(dialog.firmwareLabel()->text(), "◈ Firmware Version: 2.1");
  }
  card.Put("Setup/ver.txt", "");
  CProgramInfo dialog(Context());
  EXPECT_EQ(dialog.firmwareLabel()->text(), "◈ Firmware Version: ");
}

TEST_F(ProgramInformation, KoreanTexts) {
  SetCurrentLanguage(kKorean);
  card.Put("Setup/ver.txt", "1.2.3");
  CProgramInfo dialog(Context());
  EXPECT_EQ(dialog.viewerVersionLabel()->text(), "◈ PC 뷰어 버전: 2.6.1");
  EXPECT_EQ(dialog.firmwareLabel()->text(), "◈ 펌웨어 버전: 1.2.3");
  EXPECT_TRUE(dialog.noticeLabel()->text().contains("OpenStreetMap"));
}

}  // namespace
}  // namespace direvovu::gui
