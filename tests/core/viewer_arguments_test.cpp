#include "core/app/viewer_arguments.h"

#include <gtest/gtest.h>

namespace direvovu {
namespace {

ViewerStart StartOf(const std::vector<std::string>& arguments) {
  return ReadViewerArguments(arguments).start;
}

TEST(ViewerArgumentsTest, HelpAndVersionWinWhereverTheyStand) {
  EXPECT_EQ(StartOf({"--help"}), ViewerStart::Help);
  EXPECT_EQ(StartOf({"a.mp4", "-h"}), ViewerStart::Help);
  EXPECT_EQ(StartOf({"-platform", "xcb", "--version"}), ViewerStart::Version);
  EXPECT_NE(ViewerUsage().find("Usage: direvovu"), std::string::npos);
}

TEST(ViewerArgumentsTest, RecordingsAndToolkitOptionsRunTheWindow) {
  EXPECT_EQ(StartOf({}), ViewerStart::Run);
  EXPECT_EQ(StartOf({"/card/drf0_20120314_090507.mp4", "/card/Event", "-"}), ViewerStart::Run);
  // The toolkit's options, in each of its spellings, with their values.
  EXPECT_EQ(StartOf({"-platform", "offscreen", "--style=Fusion", "-reverse", "--display", ":1"}),
            ViewerStart::Run);
  // A value that looks like an option is still the value, and after "--" all are files.
  EXPECT_EQ(StartOf({"-qwindowtitle", "-odd-"}), ViewerStart::Run);
  EXPECT_EQ(StartOf({"--", "--weird-name.mp4"}), ViewerStart::Run);
}

TEST(ViewerArgumentsTest, UnknownOptionsAndMissingValuesAreBadUsage) {
  const ViewerArguments unknown = ReadViewerArguments({"a.mp4", "--fullscreen"});
  EXPECT_EQ(unknown.start, ViewerStart::BadUsage);
  EXPECT_EQ(unknown.reason, "unknown option --fullscreen (try --help)");
  const ViewerArguments missing = ReadViewerArguments({"-platform"});
  EXPECT_EQ(missing.start, ViewerStart::BadUsage);
  EXPECT_EQ(missing.reason, "option -platform needs a value");
  EXPECT_EQ(StartOf({"-x"}), ViewerStart::BadUsage);
}

TEST(ViewerArgumentsTest, TheRunsLanguageAndTheFilesAreReadOut) {
  struct Case {
    std::vector<std::string> arguments;
    ViewerStart start;
    std::optional<int> language;
    std::vector<std::string> files;
  } const cases[] = {
      {{"--language", "1", "a.mp4"}, ViewerStart::Run, 1, {"a.mp4"}},
      {{"b.mp4", "--language=6", "-platform", "xcb", "-"}, ViewerStart::Run, 6, {"b.mp4"}},
      {{"-language", "0", "--", "--odd.mp4", "-"}, ViewerStart::Run, 0, {"--odd.mp4", "-"}},
      {{"/card/Event"}, ViewerStart::Run, std::nullopt, {"/card/Event"}},
      {{"--language", "7"}, ViewerStart::BadUsage, std::nullopt, {}},
      {{"--language=en"}, ViewerStart::BadUsage, std::nullopt, {}},
      {{"--language"}, ViewerStart::BadUsage, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    const ViewerArguments read = ReadViewerArguments(c.arguments);
    EXPECT_EQ(read.start, c.start) << c.arguments[0] << " " << read.reason;
    EXPECT_EQ(read.language, c.language) << c.arguments[0];
    EXPECT_EQ(read.files, c.files) << c.arguments[0];
  }
}

}  // namespace
}  // namespace direvovu
