#include "media/compose_plan.h"

namespace direvovu::media {

std::optional<ComposePlan> PlanComposition(exporting::ExportLayout requested, exporting::PictureSize front,
                                           std::optional<exporting::PictureSize> rear) {
  const exporting::LayoutChoice choice = exporting::ChooseLayout(requested, rear.has_value());
  const auto geometry =
      exporting::LayoutGeometry(choice.layout, {front, rear.value_or(exporting::PictureSize{})});
  if (!geometry) return std::nullopt;
  return ComposePlan{choice.layout, choice.fellBack, *geometry};
}

}  // namespace direvovu::media
