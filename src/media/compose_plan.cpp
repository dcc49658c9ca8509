#include "media/compose_plan.h"

#include <algorithm>
#include <cmath>

#include "core/export/export_layout.h"

namespace direvovu::media {
namespace {

int EvenAtLeastTwo(double value) { return std::max(2, static_cast<int>(std::lround(value / 2)) * 2); }

// An odd side is scaled to the even one below it.
PictureSize Even(PictureSize size) {
  return {std::max(2, size.width - size.width % 2), std::max(2, size.height - size.height % 2)};
}

// `size` scaled to `height`, its aspect kept.
PictureSize AtHeight(PictureSize size, int height) {
  return {EvenAtLeastTwo(static_cast<double>(size.width) * height / size.height), height};
}

PictureSize AtWidth(PictureSize size, int width) {
  return {width, EvenAtLeastTwo(static_cast<double>(size.height) * width / size.width)};
}

struct PairSizes {
  PictureSize front;
  PictureSize rear;
};

ComposePlan SideBySide(const PairSizes& sizes) {
  ComposePlan plan;
  plan.layout = ExportLayout::kSideBySide;
  plan.front = Even(sizes.front);
  plan.rear = AtHeight(sizes.rear, plan.front.height);
  plan.rear_x = plan.front.width;
  plan.output = {plan.front.width + plan.rear.width, plan.front.height};
  return plan;
}

ComposePlan PictureInPicture(const PairSizes& sizes) {
  ComposePlan plan;
  plan.layout = ExportLayout::kPictureInPicture;
  plan.front = Even(sizes.front);
  plan.output = plan.front;
  plan.rear = AtWidth(sizes.rear, EvenAtLeastTwo(plan.front.width / 3.0));
  // A rear much taller than the front keeps inside the picture.
  if (plan.rear.height > plan.output.height)
    plan.rear = AtHeight(sizes.rear, EvenAtLeastTwo(plan.output.height / 3.0));
  // In the lower right corner, but above the text band so that the band never hides it.
  const exporting::BandMetrics band = exporting::BandMetricsOf({plan.output.width, plan.output.height});
  plan.rear_x = std::max(0, plan.output.width - plan.rear.width - band.margin);
  plan.rear_y = std::max(0, plan.output.height - band.height - plan.rear.height - band.margin);
  plan.rear_x -= plan.rear_x % 2;
  plan.rear_y -= plan.rear_y % 2;
  return plan;
}

}  // namespace

ComposePlan PlanComposition(ExportLayout requested, PictureSize front, std::optional<PictureSize> rear) {
  const bool needs_rear =
      requested == ExportLayout::kSideBySide || requested == ExportLayout::kPictureInPicture;
  if (needs_rear && !rear) {
    ComposePlan plan = PlanComposition(ExportLayout::kFront, front, std::nullopt);
    plan.fell_back_to_front = true;
    return plan;
  }
  if (requested == ExportLayout::kSideBySide) return SideBySide({front, *rear});
  if (requested == ExportLayout::kPictureInPicture) return PictureInPicture({front, *rear});
  ComposePlan plan;
  plan.layout = requested;
  if (requested == ExportLayout::kRear && rear) {
    plan.rear = Even(*rear);
    plan.output = plan.rear;
  } else {
    plan.layout = ExportLayout::kFront;
    plan.front = Even(front);
    plan.output = plan.front;
  }
  return plan;
}

}  // namespace direvovu::media
