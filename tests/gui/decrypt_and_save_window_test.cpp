// "Decryption And Save" from the main window when the rear copy cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "gui/app/playlist_view.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

using DecryptAndSaveWindow = test::PlaylistTest;

TEST_F(DecryptAndSaveWindow, RearFailureStillReportsTheFrontCopyThatWasSaved) {
  const test::PlaylistPairs& pairs = test::PlaylistPairs::Get();
  messages_.setPasswordAnswer([](const PasswordQuestion& question) { return question.matches("abc123"); });
  const fs::path front_out = folders_->decryption() / pairs.scrambled[0].filename();
  // A folder under the rear copy's name: the rear cannot be written.
  const fs::path rear_out = folders_->decryption() / RearCompanionPath(pairs.scrambled[0]).filename();
  ASSERT_TRUE(fs::create_directories(rear_out));

  list_->AppendRows({pairs.scrambled[0].string()});
  list_->SelectRow(0);
  messages_.clear();
  dialog_->playlist().DecryptSelected();

  ASSERT_EQ(messages_.rows(), (std::vector<MessageId>{msg::kDecrypted, msg::kCantOpenFile}));
  EXPECT_EQ(messages_.requests()[0].detail, QString::fromStdString(front_out.string()));
  EXPECT_EQ(messages_.requests()[1].detail, QString::fromStdString(rear_out.string()));
  EXPECT_TRUE(fs::is_regular_file(front_out));
}

}  // namespace
}  // namespace direvovu::gui
