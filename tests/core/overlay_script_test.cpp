#include "core/export/overlay_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "export_fixture.h"
#include "temp_folder.h"

namespace direvovu::exporting {
namespace {

std::vector<std::string> DialogueLines(const std::string& script) {
  std::vector<std::string> lines;
  std::istringstream in(script);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("Dialogue: ")) lines.push_back(line);
  }
  return lines;
}

std::string Script(ExportLayout layout, ExportSpan span) {
  static const TrackState track = direvovu::testing::MakeDisplayTrack(10);
  const auto geometry = LayoutGeometry(layout, {{1280, 720}, {1280, 720}});
  return OverlayScript(direvovu::testing::MakeSpanSource(track, span), *geometry, {SpeedUnit::Kmh, kEnglish});
}

TEST(OverlayScriptTest, BandEventPerSecondAndAChannelNameOverEachPicture) {
  const auto lines = DialogueLines(Script(ExportLayout::SideBySide, {2.5, 4.25}));
  const std::vector<std::string> starts{
      "Dialogue: 0,0:00:00.00,0:00:01.75,Band,,0,0,0,,{\\an7\\pos(0,636)",  // the ground under the band
      "Dialogue: 1,0:00:00.00,0:00:01.75,Channel,,0,0,0,,{\\pos(12,12)}Front",
      "Dialogue: 1,0:00:00.00,0:00:01.75,Channel,,0,0,0,,{\\pos(1292,12)}Rear",
      "Dialogue: 1,0:00:00.00,0:00:00.50,Band,,0,0,0,,{\\pos(12,708)}2009-08-07 15:25:32 +01:00",
      "Dialogue: 1,0:00:00.50,0:00:01.50,Band,,0,0,0,,{\\pos(12,708)}2009-08-07 15:25:33 +01:00",
      "Dialogue: 1,0:00:01.50,0:00:01.75,Band,,0,0,0,,{\\pos(12,708)}2009-08-07 15:25:34 +01:00",
  };
  ASSERT_EQ(lines.size(), starts.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i].starts_with(starts[i])) << lines[i];
  EXPECT_NE(lines[3].find("km/h\\NPosition 38.70760, -9.13550"), std::string::npos) << lines[3];
}

TEST(OverlayScriptTest, SpecialCharactersShowAsThemselves) {
  struct Case {
    const char* text;
    bool keepLineBreaks;
    const char* escaped;
  } const cases[] = {
      {"{\\b1}Front", false, "\\{\\\u2060b1\\}Front"},
      {"a\\Nb", false, "a\\\u2060Nb"},
      {"two\nlines\r", true, "two\\Nlines "},
      {"two\nlines", false, "two lines"},
  };
  for (const Case& c : cases) EXPECT_EQ(AssEscaped(c.text, c.keepLineBreaks), c.escaped) << c.text;
}

// libass takes the script as it is: the band darkens the bottom of a white picture and
// leaves the top white.
TEST(OverlayScriptTest, LibassDrawsTheBandAtTheBottom) {
  if (!direvovu::testing::HasCommand("ffmpeg")) GTEST_SKIP() << "no ffmpeg";
  TempFolder folder;
  std::ofstream(folder / "overlay.ass") << Script(ExportLayout::Front, {0, 1});
  const std::string command =
      "cd '" + folder.path().string() +
      "' && ffmpeg -v error -f lavfi -i color=white:size=1280x720 -vf ass=overlay.ass "
      "-frames:v 1 -pix_fmt gray -f rawvideo frame.gray";
  ASSERT_EQ(direvovu::testing::RunCommand(command), 0);
  std::ifstream in(folder / "frame.gray", std::ios::binary);
  const std::vector<unsigned char> gray{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(gray.size(), 1280U * 720U);
  const auto at = [&](int x, int y) {
    return gray[static_cast<std::size_t>(y) * 1280 + static_cast<std::size_t>(x)];
  };
  EXPECT_GT(at(1270, 600), 240);  // above the band
  EXPECT_LT(at(1270, 700), 128);  // the band's ground, right of its text
}

TEST(OverlayScriptTest, FontconfigKnowsTheFontOfEveryLanguage) {
  if (!direvovu::testing::HasCommand("fc-list")) GTEST_SKIP() << "no fontconfig";
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string family(OverlayFontName(language));
    EXPECT_EQ(direvovu::testing::RunCommand("fc-list ':family=" + family + "' family | grep -q ."), 0)
        << family;
  }
}

}  // namespace
}  // namespace direvovu::exporting
