// The map window's capture and print: the map area as the user sees it.
#include "gui/map/map_dlg.h"
#include "gui/controls/window_picture.h"

namespace direvovu::gui {
namespace {

constexpr QRect kMapArea(5, 5, 535, 520);

}  // namespace

QImage CMapDlg::MapAreaPicture() { return grab(kMapArea).toImage(); }

std::optional<std::filesystem::path> CMapDlg::CaptureMap() {
  return CaptureWindowPicture(this, MapAreaPicture(), folders_, prompts_);
}

PrintOutcome CMapDlg::PrintMap(const PrintTarget& target) {
  return PrintWindowPicture(MapAreaPicture(), target, prompts_);
}

}  // namespace direvovu::gui
