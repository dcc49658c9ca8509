#pragma once

#include <filesystem>

#include "gui/controls/picture_print.h"
#include "gui/display/capture.h"

namespace direvovu::gui {

// The print button: pauses a playing pair, takes the leading channel's picture into the
// print picture file, lets the user pick the printer, prints the picture on one page
// scaled to the printable area, deletes the file and plays on.
PrintOutcome PrintVideo(const PlaybackView& playback, const std::filesystem::path& pictureFile,
                        const PrintTarget& target);

}  // namespace direvovu::gui
