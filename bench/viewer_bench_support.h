#pragma once
// What the benchmark programs of the main window share: libvlc players without sound,
// and the window initialised or the reason it was not.
#include <QStringList>

#include <cstdio>
#include <memory>
#include <string>

#include "gui/app/pair_playback.h"
#include "gui/app/vantor_dlg.h"
#include "player/channel_player.h"

namespace direvovu::bench {

inline gui::PlayerFactory SilentPlayers() {
  return [](Channel channel) {
    return std::unique_ptr<IChannelPlayer>(
        std::make_unique<ChannelPlayer>(channel, QStringList{"--aout=dummy"}));
  };
}

// False, with the reason on standard error, when the window could not start.
inline bool Initialised(gui::CVantorDlg& dialog) {
  std::string error;
  if (dialog.Initialise(&error)) return true;
  std::fprintf(stderr, "viewer: %s\n", error.c_str());
  return false;
}

}  // namespace direvovu::bench
