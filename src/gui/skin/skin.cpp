#include "gui/skin/skin.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHash>

#include <array>
#include <functional>

#include "core/settings/texts.h"
#include "gui/skin/skin_painter.h"

namespace direvovu::gui {
namespace {

using skin::ButtonState;

qreal Density() { return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0; }

QHash<QString, QPixmap>& Cache() {
  static QHash<QString, QPixmap> cache;
  // Pictures must not outlive the application object that made them.
  static const bool cleared_at_exit = [] {
    qAddPostRoutine([] { Cache().clear(); });
    return true;
  }();
  (void)cleared_at_exit;
  return cache;
}

QPixmap Cached(const QString& key, const std::function<QPixmap()>& paint) {
  auto it = Cache().constFind(key);
  if (it != Cache().constEnd()) return *it;
  QPixmap picture = paint();
  Cache().insert(key, picture);
  return picture;
}

struct NamedPicture {
  const char* name;
  QPixmap (*paint)(qreal dpr);
};

// The offline map picture of each language, by language id.
constexpr std::array<const char*, kLanguageCount> kOfflineMapNames{
    "map_offline_korean",           "map_offline_english",
    "map_offline_japanese",         "map_offline_chinese_simplified",
    "map_offline_russian",          "map_offline_chinese_traditional",
    "map_offline_portuguese_brazil"};

const std::array kNamedPictures{
    NamedPicture{"main_background", skin::PaintMainBackground},
    NamedPicture{"msgbox_background", skin::PaintMessageBoxBackground},
    NamedPicture{"route_background",
                 [](qreal d) {
                   return skin::PaintWindowBackground({947, 730}, {}, d);
                 }},
    NamedPicture{"mode_video_gravity",
                 [](qreal d) { return skin::PaintModePanel(skin::ModePanel::kVideoGravity, d); }},
    NamedPicture{"mode_video_speed",
                 [](qreal d) { return skin::PaintModePanel(skin::ModePanel::kVideoSpeed, d); }},
    NamedPicture{"mode_driving_log",
                 [](qreal d) { return skin::PaintModePanel(skin::ModePanel::kDrivingLog, d); }},
    NamedPicture{"slider_channel",
                 [](qreal d) {
                   return skin::PaintSliderChannel({287, 20}, false, d);
                 }},
    NamedPicture{"slider_channel_active",
                 [](qreal d) {
                   return skin::PaintSliderChannel({287, 20}, true, d);
                 }},
    NamedPicture{"slider_thumb",
                 [](qreal d) {
                   return skin::PaintSliderThumb({14, 20}, false, d);
                 }},
    NamedPicture{"slider_thumb_active",
                 [](qreal d) {
                   return skin::PaintSliderThumb({14, 20}, true, d);
                 }},
    NamedPicture{"route_slider_channel",
                 [](qreal d) {
                   return skin::PaintSliderChannel({334, 20}, false, d);
                 }},
    NamedPicture{"route_slider_channel_active",
                 [](qreal d) {
                   return skin::PaintSliderChannel({334, 20}, true, d);
                 }},
    NamedPicture{kOfflineMapNames[kKorean], [](qreal d) { return skin::PaintOfflineMap(kKorean, d); }},
    NamedPicture{kOfflineMapNames[kEnglish], [](qreal d) { return skin::PaintOfflineMap(kEnglish, d); }},
    NamedPicture{kOfflineMapNames[kJapanese], [](qreal d) { return skin::PaintOfflineMap(kJapanese, d); }},
    NamedPicture{kOfflineMapNames[kChineseSimplified],
                 [](qreal d) { return skin::PaintOfflineMap(kChineseSimplified, d); }},
    NamedPicture{kOfflineMapNames[kRussian], [](qreal d) { return skin::PaintOfflineMap(kRussian, d); }},
    NamedPicture{kOfflineMapNames[kChineseTraditional],
                 [](qreal d) { return skin::PaintOfflineMap(kChineseTraditional, d); }},
    NamedPicture{kOfflineMapNames[kPortugueseBrazil],
                 [](qreal d) { return skin::PaintOfflineMap(kPortugueseBrazil, d); }},
    NamedPicture{"app_icon", [](qreal) { return skin::PaintAppIcon(256); }},
};

QString StateName(ButtonState state) {
  switch (state) {
    case ButtonState::kUp:
      return QStringLiteral("up");
    case ButtonState::kDown:
      return QStringLiteral("down");
    case ButtonState::kFocus:
      return QStringLiteral("focus");
    case ButtonState::kDisabled:
      return QStringLiteral("disabled");
  }
  return {};
}

}  // namespace

QPixmap Skin::Pixmap(const QString& name) {
  for (const NamedPicture& picture : kNamedPictures) {
    if (name == QLatin1String(picture.name)) {
      const qreal density = Density();
      return Cached(name, [&] { return picture.paint(density); });
    }
  }
  return {};
}

QString Skin::OfflineMapName(int language) {
  const bool known = language >= 0 && language < kLanguageCount;
  return QLatin1String(kOfflineMapNames[static_cast<std::size_t>(known ? language : kDefaultLanguage)]);
}

QStringList Skin::PixmapNames() {
  QStringList names;
  for (const NamedPicture& picture : kNamedPictures) names << QLatin1String(picture.name);
  return names;
}

ButtonPictures Skin::Button(const QString& icon, QSize size) {
  const qreal density = Density();
  const QString key = QStringLiteral("button:%1:%2x%3:").arg(icon).arg(size.width()).arg(size.height());
  auto paint = [&](ButtonState state) {
    return Cached(key + StateName(state), [&] { return skin::PaintButton(size, icon, state, density); });
  };
  return {paint(ButtonState::kUp), paint(ButtonState::kDown), paint(ButtonState::kFocus),
          paint(ButtonState::kDisabled)};
}

QPixmap Skin::WindowBackground(QSize size, const QString& title) {
  const qreal density = Density();
  const QString key = QStringLiteral("window:%1x%2:%3").arg(size.width()).arg(size.height()).arg(title);
  return Cached(key, [&] { return skin::PaintWindowBackground(size, title, density); });
}

QIcon Skin::AppIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(skin::PaintAppIcon(size));
  return icon;
}

int Skin::DumpAll(const QString& folder, std::span<const ButtonFace> buttons) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return -1;
  int written = 0;
  auto save = [&](const QPixmap& picture, const QString& name) {
    if (!picture.save(dir.filePath(name + QStringLiteral(".png")), "PNG")) return false;
    ++written;
    return true;
  };
  for (const QString& name : PixmapNames()) {
    if (!save(Pixmap(name), name)) return -1;
  }
  for (const ButtonFace& button : buttons) {
    const ButtonPictures pictures = Button(button.icon, button.size);
    const QString base = QStringLiteral("button_%1_").arg(button.icon);
    if (!save(pictures.up, base + QStringLiteral("up")) ||
        !save(pictures.down, base + QStringLiteral("down")) ||
        !save(pictures.focus, base + QStringLiteral("focus")) ||
        !save(pictures.disabled, base + QStringLiteral("disabled"))) {
      return -1;
    }
  }
  return written;
}

void Skin::Clear() { Cache().clear(); }

}  // namespace direvovu::gui
