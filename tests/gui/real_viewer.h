#pragma once
// The real viewer of the end-to-end GUI tests: libvlc players without sound, and the
// main window started and shown at the screen's corner.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>

#include <memory>
#include <string>

#include "gui/app/pair_playback.h"
#include "gui/app/vantor_dlg.h"
#include "player/channel_player.h"

namespace direvovu::test {

inline gui::PlayerFactory SilentLibvlcPlayers() {
  return [](Channel channel) {
    return std::unique_ptr<IChannelPlayer>(
        std::make_unique<ChannelPlayer>(channel, QStringList{"--aout=dummy"}));
  };
}

// Initialises the window with its settings and shows it at (0, 0).
inline ::testing::AssertionResult StartAndShow(gui::CVantorDlg& window) {
  std::string error;
  if (!window.Initialise(&error)) return ::testing::AssertionFailure() << error;
  window.ReloadSettings();
  window.move(0, 0);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return ::testing::AssertionFailure() << "never exposed";
  return ::testing::AssertionSuccess();
}

}  // namespace direvovu::test
