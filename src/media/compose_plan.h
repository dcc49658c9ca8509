#pragma once

#include <optional>

#include "media/evidence_export.h"

namespace direvovu::media {

struct PictureSize {
  int width = 0;
  int height = 0;
  bool operator==(const PictureSize&) const = default;
};

// Where each recording's picture goes in the exported picture. Sizes are even, as the
// 4:2:0 pictures H.264 carries need. A size of 0 x 0 means the channel is not shown.
struct ComposePlan {
  ExportLayout layout = ExportLayout::kFront;  // after the fall-back
  bool fell_back_to_front = false;
  PictureSize output;
  PictureSize front;  // the front picture's size in the output
  PictureSize rear;   // the rear picture's size in the output
  int rear_x = 0;     // the rear picture's top left corner
  int rear_y = 0;
  [[nodiscard]] bool shows_front() const { return front.width > 0; }
  [[nodiscard]] bool shows_rear() const { return rear.width > 0; }
};

// Side by side: the rear scaled to the front's height beside it. Picture in picture: the
// front whole and the rear a third as wide as the front, its aspect kept, in the lower
// right corner above the overlay's text band. Side by side and picture in picture need a rear; without one
// they fall back to the front alone. The rear layout needs a rear (callers refuse it without).
ComposePlan PlanComposition(ExportLayout requested, PictureSize front, std::optional<PictureSize> rear);

}  // namespace direvovu::media
