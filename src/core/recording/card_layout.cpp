#include "core/recording/card_layout.h"

#include "core/recording/recording_name.h"

namespace direvovu {

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): from the card to the folder, as copied
std::optional<CardCopyTarget> PlanCardCopy(const std::filesystem::path& cardRoot,
                                           const std::filesystem::path& downloadFolder,
                                           const std::filesystem::path& recording) {
  const auto relative = recording.lexically_normal().lexically_relative(cardRoot.lexically_normal());
  if (relative.empty() || !relative.has_filename() || relative == ".") return std::nullopt;
  std::vector<std::filesystem::path> parts;
  for (const auto& part : relative) {
    if (part == "..") return std::nullopt;
    parts.push_back(part);
  }

  CardCopyTarget target;
  target.frontSource = recording;
  std::filesystem::path folder = downloadFolder;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    folder /= parts[i];
    target.folders.push_back(folder);
  }
  target.frontTarget = folder / parts.back();
  target.rearSource = RearCompanionPath(recording);
  target.rearTarget = RearCompanionPath(target.frontTarget);
  return target;
}

}  // namespace direvovu
