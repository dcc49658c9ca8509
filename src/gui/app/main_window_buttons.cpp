#include "gui/app/main_window_buttons.h"

#include <array>

#include "core/app/main_window_layout.h"

namespace direvovu::gui {
namespace {

// Families of the main window's buttons share a size, chosen so that neighbours in the
// layout keep a gap and the tool row stays inside the rounded frame.
constexpr QSize kTitleButton{40, 40};
constexpr QSize kTransportButton{62, 48};
constexpr QSize kStepButton{54, 28};
constexpr QSize kGraphButton{56, 26};
constexpr QSize kToolButton{52, 52};
// As tall as the transport, narrower: it ends before the speed dial.
constexpr QSize kExportButton{48, 48};

struct MainButton {
  int id;
  const char* icon;
  QSize size;
};

const std::array kMainButtons{
    MainButton{ctl::kInfo, "info", kTitleButton},
    MainButton{ctl::kMinimize, "minimize", kTitleButton},
    MainButton{ctl::kClose, "close", kTitleButton},
    MainButton{ctl::kPlay, "play", kTransportButton},
    MainButton{ctl::kPause, "pause", kTransportButton},
    MainButton{ctl::kStop, "stop", kTransportButton},
    MainButton{ctl::kCapture, "camera", kTransportButton},
    MainButton{ctl::kPrint, "printer", kTransportButton},
    MainButton{ctl::kExport, "export", kExportButton},
    MainButton{ctl::kSpeedDown, "slower", kStepButton},
    MainButton{ctl::kSpeedUp, "faster", kStepButton},
    MainButton{ctl::kVolumeDown, "volume_down", kStepButton},
    MainButton{ctl::kVolumeUp, "volume_up", kStepButton},
    MainButton{ctl::kGravityGraph, "graph_gravity", kGraphButton},
    MainButton{ctl::kSpeedGraph, "graph_speed", kGraphButton},
    MainButton{ctl::kVideoMode, "film", kToolButton},
    MainButton{ctl::kDrivingLogMode, "route", kToolButton},
    MainButton{ctl::kPassword, "lock", kToolButton},
    MainButton{ctl::kDecryption, "key", kToolButton},
    MainButton{ctl::kViewerSetup, "gear", kToolButton},
    MainButton{ctl::kSetup, "camera_setup", kToolButton},
    MainButton{ctl::kMap, "map", kToolButton},
    MainButton{ctl::kDrivingInfo, "car", kToolButton},
    MainButton{ctl::kEventLog, "event_log", kToolButton},
    MainButton{ctl::kOpen, "folder", kToolButton},
    MainButton{ctl::kDetailSearch, "search", kToolButton},
    MainButton{ctl::kSdDownload, "sd_card", kToolButton},
    MainButton{ctl::kDeleteItem, "trash", kToolButton},
    MainButton{ctl::kDeleteAll, "trash_all", kToolButton},
};

const MainButton* FindMainButton(int control_id) {
  for (const MainButton& button : kMainButtons) {
    if (button.id == control_id) return &button;
  }
  return nullptr;
}

}  // namespace

ButtonPictures MainWindowButton(int control_id) {
  const MainButton* button = FindMainButton(control_id);
  if (button == nullptr) return {};
  return Skin::Button(QLatin1String(button->icon), button->size);
}

QString MainWindowIcon(int control_id) {
  const MainButton* button = FindMainButton(control_id);
  return button != nullptr ? QLatin1String(button->icon) : QString();
}

QSize MainWindowButtonSize(int control_id) {
  const MainButton* button = FindMainButton(control_id);
  return button != nullptr ? button->size : QSize();
}

std::vector<ButtonFace> MainWindowButtonFaces() {
  std::vector<ButtonFace> faces;
  faces.reserve(kMainButtons.size());
  for (const MainButton& button : kMainButtons) faces.push_back({QLatin1String(button.icon), button.size});
  return faces;
}

}  // namespace direvovu::gui
