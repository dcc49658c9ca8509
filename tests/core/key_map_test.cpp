#include "core/app/key_map.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/settings/text_rows.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

TEST(KeyMap, TheKeysPeopleKnowDoWhatTheyExpect) {
  struct Row {
    const char* key;
    std::optional<KeyCommand> command;
    long long seek_ms;
  };
  using K = KeyCommand;
  const std::vector<Row> rows = {
      {"Space", K::PlayPause, 0},
      {"Left", K::Back5s, -5000},
      {"Right", K::Forward5s, 5000},
      {"Shift+Left", K::Back1s, -1000},
      {"Shift+Right", K::Forward1s, 1000},
      {"Up", K::Forward60s, 60000},
      {"Down", K::Back60s, -60000},
      {"[", K::RateDown, 0},
      {"]", K::RateUp, 0},
      {"Backspace", K::RateNormal, 0},
      {"M", K::Mute, 0},
      {"+", K::VolumeUp, 0},
      {"=", K::VolumeUp, 0},
      {"-", K::VolumeDown, 0},
      {"PgDown", K::NextRow, 0},
      {"PgUp", K::PreviousRow, 0},
      {"Return", K::PlaySelectedRow, 0},
      {"Ctrl+O", K::Open, 0},
      {"S", K::Capture, 0},
      {"F1", K::KeySheet, 0},
      {"?", K::KeySheet, 0},
      {".", K::FrameForward, 0},
      {",", K::FrameBack, 0},
      {"L", K::Loop, 0},
      {"F", K::FullScreenFront, 0},
      {"Shift+F", K::FullScreenRear, 0},
      {"0", K::ZoomReset, 0},
      {"Esc", K::LeaveFullScreen, 0},
      {"I", K::MarkIn, 0},
      {"O", K::MarkOut, 0},
      {"E", K::Export, 0},
      {"Ctrl+L", K::Library, 0},
      {"Q", std::nullopt, 0},
      {"", std::nullopt, 0},
      {"Ctrl+Left", std::nullopt, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.key);
    const std::optional<KeyCommand> command = CommandForKey(row.key);
    EXPECT_EQ(command, row.command);
    if (command) {
      EXPECT_EQ(SeekKeyDeltaMs(*command), row.seek_ms);
    }
  }
}

TEST(KeyMap, EveryKeyHasOneCommandAndEveryCommandAKey) {
  std::set<std::string> keys;
  std::set<KeyCommand> commands;
  for (const KeyBinding& binding : KeyBindings()) {
    EXPECT_FALSE(binding.keys[0].empty());
    EXPECT_TRUE(commands.insert(binding.command).second) << static_cast<int>(binding.command);
    for (const std::string_view key : binding.keys) {
      if (!key.empty()) {
        EXPECT_TRUE(keys.insert(std::string(key)).second) << key;
      }
    }
  }
  EXPECT_EQ(commands.size(), static_cast<std::size_t>(KeyCommand::Library) + 1);
  // The key sheet says what each does, one row a binding after its title.
  EXPECT_EQ(static_cast<std::size_t>(TextRowCount(TextTable::KeySheet)),
            rows::key_sheet::kFirstBinding + KeyBindings().size());
}

}  // namespace
}  // namespace direvovu
