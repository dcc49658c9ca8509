#pragma once

// The viewer settings and the player interface both define direvovu::kMaxVolumeStep
// (the same 10); until one of them takes the other's, the settings' copy is renamed
// here so that the window can see both.
#define kMaxVolumeStep kMaxVolumeStepOfSettings
#include "core/settings/viewer_settings.h"
#undef kMaxVolumeStep
#include "player/media_player.h"
