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

}  // namespace
}  // namespace direvovu
