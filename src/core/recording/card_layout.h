#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace direvovu {

// Where a recording from the card goes on the PC: the download folder mirrors the
// card's folders (Blackbox/<folder>/<name>, Event/<name>, Parking/<name>), and the
// rear companion goes beside the front file.
struct CardCopyTarget {
  std::filesystem::path frontSource;
  std::filesystem::path frontTarget;
  std::filesystem::path rearSource;  // the companion on the card (may not exist)
  std::filesystem::path rearTarget;
  // Folders below the download folder to create, outermost first.
  std::vector<std::filesystem::path> folders;
};

// nullopt when the recording does not lie below the card's root folder.
std::optional<CardCopyTarget> PlanCardCopy(const std::filesystem::path& cardRoot,
                                           const std::filesystem::path& downloadFolder,
                                           const std::filesystem::path& recording);

}  // namespace direvovu
