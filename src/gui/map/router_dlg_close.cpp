// The route window's capture, print and close.
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

#include "core/map/route_window_layout.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/window_picture.h"
#include "gui/map/router_dlg.h"

namespace direvovu::gui {
namespace ctl = map::route_ctl;

QImage CRouter::WindowPicture() {
  return grab(QRect(0, 0, map::kRouteWindowWidth, map::kRouteWindowHeight)).toImage();
}

std::optional<std::filesystem::path> CRouter::CaptureWindow() {
  return CaptureWindowPicture(this, WindowPicture(), folders_, prompts_);
}

PrintOutcome CRouter::PrintWindow(const PrintTarget& target) {
  return PrintWindowPicture(WindowPicture(), target, prompts_);
}

void CRouter::CloseWindow() {
  flags_.open = false;
  ResetTracing(true);
  ReleaseLog();  // the value statics are emptied with the trip
  log_folder_chosen_ = false;
  busy_ = false;
  show_time_ = false;
  hide_marker_ = false;
  ShowOneOf(ctl::kTimeOn, ctl::kTimeOff);
  ShowOneOf(ctl::kMarkerOn, ctl::kMarkerOff);
  speed_list_->setCurrentIndex(static_cast<int>(map::TracingSpeed::Normal));
  trace_.pace = map::PaceOf(static_cast<int>(map::TracingSpeed::Normal));
  hide();
  emit closed();
  QDialog::accept();
}

}  // namespace direvovu::gui
