#pragma once

#include <optional>

#include "core/export/export_layout.h"

namespace direvovu::media {

// The layout written (after the fall-back to the front alone) and where each recording's
// picture goes in the exported picture; a channel without a rectangle is not shown.
struct ComposePlan {
  exporting::ExportLayout layout = exporting::ExportLayout::Front;
  bool fell_back_to_front = false;
  exporting::ExportGeometry geometry;

  [[nodiscard]] bool shows_front() const { return geometry.front.has_value(); }
  [[nodiscard]] bool shows_rear() const { return geometry.rear.has_value(); }
};

// The layout rules of the export for the recordings' picture sizes; nullopt for a size no
// layout can take. The rear layout needs a rear (callers refuse it without).
std::optional<ComposePlan> PlanComposition(exporting::ExportLayout requested, exporting::PictureSize front,
                                           std::optional<exporting::PictureSize> rear);

}  // namespace direvovu::media
