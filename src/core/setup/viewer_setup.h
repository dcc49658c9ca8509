#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/settings/viewer_settings.h"

namespace direvovu {

// What the viewer setup shows and saves.
struct ViewerSetupValues {
  std::string download_folder;  // not shown; written back as it was read
  std::string capture_folder;
  std::string decryption_folder;
  int language = kDefaultLanguage;
  bool marker_on = true;   // MARK_ROUTE_ONOFF
  int route_interval = 1;  // index of the marker interval list
  int speed_unit = 1;      // 0 mile/hour, 1 km/hour

  friend bool operator==(const ViewerSetupValues&, const ViewerSetupValues&) = default;
};

// The values as the dialog opens: the folders with their defaults, the language in use
// (it wins over the stored one), the radios and the interval by the two-character rule;
// an interval outside the list becomes the default.
ViewerSetupValues OpenViewerSetup(const WorkingFolders& folders, int current_language);

// Every key of a save, in its order, VOLUME from the main window.
std::vector<std::pair<std::string, std::string>> ViewerSetupToSave(const ViewerSetupValues& values,
                                                                   int volume);

// One rewrite of the settings file with those keys.
bool SaveViewerSetup(const WorkingFolders& folders, const ViewerSetupValues& values, int volume);

}  // namespace direvovu
