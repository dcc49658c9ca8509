#include "platform/runtime_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QTemporaryDir>
#include <filesystem>

#include "core/display/capture_names.h"
#include "scoped_environment.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

TEST(RuntimeFolder, OnePrivateFolderPerWorkingRoot) {
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  ::chmod(runtime.path().toLocal8Bit().constData(), 0700);  // Qt refuses a runtime folder others can read
  test::ScopedEnvironment xdg("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());

  const fs::path first = platform::ViewerRuntimeFolder("/home/a/DirevOvu");
  const fs::path second = platform::ViewerRuntimeFolder("/home/a/Other");
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(second.empty());
  EXPECT_NE(first, second);
  EXPECT_EQ(first.parent_path(), fs::path(runtime.path().toStdString()));
  EXPECT_EQ(platform::ViewerRuntimeFolder("/home/a/DirevOvu/"), first);  // the same root, spelt otherwise
  EXPECT_EQ(fs::status(first).permissions() & fs::perms::all, fs::perms::owner_all);

  // The print picture of one root is out of reach of the other's clean-up.
  EXPECT_NE(display::PrintPictureFile(first), display::PrintPictureFile(second));
}

}  // namespace
}  // namespace direvovu
