#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings/viewer_settings.h"

namespace direvovu {

struct SettingAssignments {
  std::vector<std::pair<std::string, std::string>> pairs;  // KEY, value; a later one wins
  std::string error;  // in English, naming the argument; empty when every one is good

  [[nodiscard]] bool ok() const { return error.empty(); }
};

// "KEY=VALUE" arguments for the viewer's settings. A key must be one of the viewer's; a
// value must be one the viewer setup itself could store: a language 0..6, a switch 0 or 1,
// an interval index 0..6, a volume 0..10, a date YYYYMMDD, a time HHMMSS, a number, or a
// text on one line; none longer than the viewer reads (254 characters).
SettingAssignments ReadSettingAssignments(const std::vector<std::string_view>& arguments);

// One rewrite of the settings file with those keys (the rest stays as it is), as the
// viewer setup's Save does.
bool SaveSettingAssignments(const WorkingFolders& folders, const SettingAssignments& assignments);

}  // namespace direvovu
