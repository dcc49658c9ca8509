#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <span>

namespace direvovu::gui {

// The four pictures of a skinned button.
struct ButtonPictures {
  QPixmap up;
  QPixmap down;
  QPixmap focus;
  QPixmap disabled;
  [[nodiscard]] bool isNull() const { return up.isNull(); }
};

// A button's icon (one of skin_icons.h) at a size.
struct ButtonFace {
  QString icon;
  QSize size;
};

// Every picture of the skin, painted by us on first use and kept for the process, at the
// screen's pixel density. GUI thread only.
//
// Named pictures (Pixmap):
//   main_background 947x750, msgbox_background 480x240, route_background 947x730,
//   mode_video_gravity / mode_video_speed / mode_driving_log 24x107,
//   slider_channel / slider_channel_active 287x20, slider_thumb / slider_thumb_active 14x20,
//   route_slider_channel / route_slider_channel_active 334x20,
//   map_offline_<language> 535x520 (one per language, see OfflineMapName), app_icon 256x256.
class Skin {
 public:
  // A named picture; a null pixmap for an unknown name.
  static QPixmap Pixmap(const QString& name);
  static QStringList PixmapNames();
  // The named offline map picture of a language id; the default language's for an
  // unknown one.
  static QString OfflineMapName(int language);

  // A button face of any size with one of the icons of skin_icons.h (empty: no icon).
  static ButtonPictures Button(const QString& icon, QSize size);

  // A frame for any other window: rounded, inset 5 pixels, with a title band.
  static QPixmap WindowBackground(QSize size, const QString& title = {});
  static QIcon AppIcon();

  // Writes every named picture and every state of the buttons as PNG files into the
  // folder, for people to look at. Returns the number of files written, -1 on failure.
  static int DumpAll(const QString& folder, std::span<const ButtonFace> buttons);

  // Forgets the painted pictures (after the pixel density changed).
  static void Clear();
};

}  // namespace direvovu::gui
