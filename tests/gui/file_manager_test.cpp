// "Show in Folder" after an export, against a session bus of the test's own: ctest runs
// these inside dbus-run-session, where the test itself plays the desktop's file manager
// or leaves it out.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <optional>

#include "fake_file_manager.h"
#include "gui/export/export_dialog.h"
#include "platform/file_manager.h"
#include "recording_prompts.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;

// A finished incident folder, its name as a user's camera may give it: blanks and letters
// beyond ASCII travel percent-encoded.
struct IncidentFolder {
  IncidentFolder() { fs::create_directories(path); }
  QTemporaryDir dir;
  fs::path path = fs::path(dir.path().toStdString()) / "Incident 20120314_090507 ü";
  QString uri =
      QStringLiteral("file://") + dir.path() + QStringLiteral("/Incident%2020120314_090507%20%C3%BC");
};

class FileManagerBus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no session bus: run inside dbus-run-session";
  }
};

TEST_F(FileManagerBus, ShowItemsNamesTheFolderOrSaysThereIsNoFileManager) {
  for (const bool present : {true, false}) {
    IncidentFolder incident;
    std::optional<FakeFileManager> file_manager;
    if (present) {
      file_manager.emplace();
      ASSERT_TRUE(file_manager->registered());
    }
    QObject context;
    std::optional<bool> answer;
    platform::ShowItemInFileManager(incident.path, &context, [&answer](bool shown) { answer = shown; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000)) << present;
    EXPECT_EQ(*answer, present);
    if (present) {
      ASSERT_EQ(file_manager->shown().size(), 1U);
      EXPECT_EQ(file_manager->shown().front(), QStringList{incident.uri});
    }
  }
}

// The window's button: the file manager shows the folder; without one the folder opens
// through the desktop's handler of files, and only then.
TEST_F(FileManagerBus, ShowInFolderFallsBackToOpeningTheFolder) {
  for (const bool present : {true, false}) {
    IncidentFolder incident;
    std::optional<FakeFileManager> file_manager;
    if (present) file_manager.emplace();
    const OpenedUrls opened;
    RecordingPrompts prompts;
    gui::CExportDialog window(prompts);
    window.show();
    window.ShowStarted();
    window.ShowDone(incident.path, false);
    ASSERT_TRUE(window.showButton()->isVisible());
    QTest::mouseClick(window.showButton(), Qt::LeftButton);
    if (present) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !file_manager->shown().empty(); }, 5000));
      EXPECT_EQ(file_manager->shown().front(), QStringList{incident.uri});
      QTest::qWait(100);
      EXPECT_TRUE(opened.urls().empty());
    } else {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.urls().empty(); }, 5000));
      EXPECT_EQ(opened.urls().front(), QUrl::fromLocalFile(QString::fromStdString(incident.path.string())));
    }
  }
}

}  // namespace
}  // namespace direvovu::test
