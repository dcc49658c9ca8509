// What the SD download copied goes into the library: the main window's library controller
// indexes the files on a worker, and the real SQLite file holds them afterwards.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "core/library/library_db.h"
#include "core/library/library_query.h"
#include "core/recording/encrypted_recording.h"
#include "gui/app/library_controller.h"
#include "gui/app/vantor_dlg.h"
#include "gui/library/library_dlg.h"
#include "main_window_fixture.h"
#include "sample_recordings.h"

namespace direvovu::test {
namespace {

class LibraryIndexTest : public MainWindowTest {};

TEST_F(LibraryIndexTest, CopiedRecordingsAreIndexedBehindEachOther) {
  Initialise();
  SampleRecordings made;
  const auto first = made.MakePair("2026-12-07T09:00:00");
  const auto second = made.MakePair("2026-12-07T09:01:00");
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(second.empty());
  gui::LibraryController& library = dialog_->library();
  QSignalSpy indexed(&library, &gui::LibraryController::indexed);
  library.AddToIndex({first.string()});
  library.AddToIndex({second.string()});  // queued behind the first
  ASSERT_TRUE(QTest::qWaitFor([&] { return !library.indexing(); }, 20000));
  EXPECT_GE(indexed.count(), 1);

  auto opened = library::LibraryDb::Open(library::LibraryFileOf(std::nullopt, folders_->root));
  ASSERT_TRUE(opened.library) << opened.error;
  const auto rows = library::FindRecordings(opened.library->db(), {});
  ASSERT_EQ(rows.size(), 2U);
  EXPECT_EQ(rows[0].front, first.string());
  EXPECT_EQ(rows[1].front, second.string());
  EXPECT_EQ(rows[0].track, library::TrackStatus::Read);
  ASSERT_TRUE(rows[0].rear.has_value());

  // With the window open, a later day's copy shows there too: the dates widen to it.
  library.OpenWindow();
  ASSERT_NE(library.window(), nullptr);
  ASSERT_EQ(library.window()->shown().size(), 2U);
  const auto nextDay = made.MakePair("2026-12-08T09:00:00");
  library.AddToIndex({nextDay.string()});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !library.indexing(); }, 20000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return library.window()->shown().size() == 3U; }, 5000))
      << library.window()->shown().size() << " shown";
}

// A scrambled recording is read with the password the main window accepted for it; before
// any was accepted it is indexed by name, and read once one is.
TEST_F(LibraryIndexTest, ScrambledRecordingsAreReadWithTheAcceptedPassword) {
  Initialise();
  SampleRecordings made;
  const auto scrambled = made.MakePair("2026-12-07T09:02:00", "abcd");
  ASSERT_FALSE(scrambled.empty());
  gui::LibraryController& library = dialog_->library();
  const auto track_after_index = [&] {
    library.AddToIndex({scrambled.string()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !library.indexing(); }, 20000));
    auto opened = library::LibraryDb::Open(library::LibraryFileOf(std::nullopt, folders_->root));
    const auto rows = library::FindRecordings(opened.library->db(), {});
    return rows.size() == 1 ? rows[0].track : library::TrackStatus::None;
  };
  EXPECT_EQ(track_after_index(), library::TrackStatus::Locked);
  dialog_->playback().passwords().acceptedPassword = *MakePasswordSlot("abcd");
  EXPECT_EQ(track_after_index(), library::TrackStatus::Read);
}

}  // namespace
}  // namespace direvovu::test
