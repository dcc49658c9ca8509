#include "gui/skin/skin.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <map>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/main_window_buttons.h"
#include "gui/controls/skin_button.h"
#include "gui/skin/skin_icons.h"

namespace direvovu::gui {
namespace {

QSize LogicalSize(const QPixmap& pixmap) { return pixmap.deviceIndependentSize().toSize(); }

// Pixel at a logical point of a picture painted for the screen's pixel density.
QRgb At(const QImage& image, QPoint point) {
  return image.pixel((QPointF(point) * image.devicePixelRatio()).toPoint());
}

TEST(Skin, NamedPicturesHaveTheirSizes) {
  const std::map<QString, QSize> sizes = {
      {"main_background", {947, 750}},
      {"msgbox_background", {480, 240}},
      {"route_background", {947, 730}},
      {"mode_video_gravity", {24, 107}},
      {"mode_video_speed", {24, 107}},
      {"mode_driving_log", {24, 107}},
      {"slider_channel", {287, 20}},
      {"slider_channel_active", {287, 20}},
      {"slider_thumb", {14, 20}},
      {"slider_thumb_active", {14, 20}},
      {"route_slider_channel", {334, 20}},
      {"route_slider_channel_active", {334, 20}},
      {"map_offline_korean", {535, 520}},
      {"map_offline_english", {535, 520}},
      {"map_offline_japanese", {535, 520}},
      {"map_offline_chinese_simplified", {535, 520}},
      {"map_offline_russian", {535, 520}},
      {"map_offline_chinese_traditional", {535, 520}},
      {"map_offline_portuguese_brazil", {535, 520}},
      {"app_icon", {256, 256}},
  };
  EXPECT_EQ(static_cast<std::size_t>(Skin::PixmapNames().size()), sizes.size());
  for (const auto& [name, size] : sizes) {
    const QPixmap picture = Skin::Pixmap(name);
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    EXPECT_EQ(LogicalSize(picture), size) << name.toStdString();
  }
  EXPECT_TRUE(Skin::Pixmap("no_such_picture").isNull());
}

// Each language's offline picture carries its own texts, whatever the current language.
TEST(Skin, OfflinePicturesDifferByLanguage) {
  QSet<QByteArray> seen;
  for (int language = 0; language < kLanguageCount; ++language) {
    const QImage image = Skin::Pixmap(Skin::OfflineMapName(language)).toImage();
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                            static_cast<qsizetype>(image.sizeInBytes()));
    EXPECT_FALSE(seen.contains(pixels)) << Skin::OfflineMapName(language).toStdString();
    seen.insert(pixels);
  }
  EXPECT_EQ(Skin::OfflineMapName(-1), Skin::OfflineMapName(kDefaultLanguage));
}

TEST(Skin, MainBackgroundIsRoundedAndDarkBehindTheVideos) {
  const QImage image = Skin::Pixmap("main_background").toImage();
  EXPECT_EQ(qAlpha(At(image, {2, 2})), 0) << "outside the window's rounded frame";
  EXPECT_EQ(qAlpha(At(image, {6, 6})), 0) << "the rounded corner is cut off";
  EXPECT_EQ(qAlpha(At(image, {473, 300})), 255);
  const QColor video = QColor::fromRgba(At(image, {60, 80}));
  EXPECT_LT(video.lightness(), 20) << "the video well is near black";
  const QColor frame = QColor::fromRgba(At(image, {20, 440}));
  EXPECT_GT(frame.lightness(), video.lightness());
}

TEST(Skin, MessageBoxBackgroundIsOpaqueEverywhere) {
  const QImage image = Skin::Pixmap("msgbox_background").toImage();
  for (const QPoint corner :
       {QPoint(0, 0), QPoint(479, 0), QPoint(0, 239), QPoint(479, 239), QPoint(240, 120)}) {
    EXPECT_EQ(qAlpha(At(image, corner)), 255) << corner.x() << "," << corner.y();
  }
}

// Catches an icon that paints nothing, or two names that paint the same picture.
TEST(SkinIcons, EveryIconPaintsSomethingOfItsOwn) {
  QSet<QByteArray> seen;
  for (const QString& name : skin::IconNames()) {
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      skin::PaintIcon(painter, name, QRectF(0, 0, 48, 48), Qt::white);
    }
    int inked = 0;
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) inked += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    EXPECT_GT(inked, 40) << name.toStdString();
    EXPECT_LT(inked, 48 * 48 / 2) << name.toStdString() << " is a blot, not an icon";
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_FALSE(seen.contains(bytes)) << name.toStdString() << " looks like another icon";
    seen.insert(bytes);
  }
  EXPECT_FALSE(skin::HasIcon("no_such_icon"));
}

// A disabled button is grey all over: no accent colour may survive in its icon.
TEST(SkinIcons, DimIconsStayInTheirOneColour) {
  const QColor dim(0x6c, 0x72, 0x7c);
  for (const QString& name : skin::IconNames()) {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      skin::PaintIcon(painter, name, QRectF(0, 0, 48, 48), dim);
    }
    int coloured = 0;
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        const QColor pixel = image.pixelColor(x, y);
        if (pixel.alpha() == 255 && pixel.hslSaturation() > 60) ++coloured;
      }
    }
    EXPECT_EQ(coloured, 0) << name.toStdString();
  }
}

TEST(SkinButtons, EveryMainWindowButtonHasFourDistinctPictures) {
  for (const ButtonPlace& place : MainWindowButtons()) {
    const ButtonPictures pictures = MainWindowButton(place.id);
    ASSERT_FALSE(pictures.isNull()) << place.id;
    EXPECT_TRUE(skin::HasIcon(MainWindowIcon(place.id))) << place.id;
    const QSize size = MainWindowButtonSize(place.id);
    for (const QPixmap* picture : {&pictures.up, &pictures.down, &pictures.focus, &pictures.disabled}) {
      EXPECT_EQ(LogicalSize(*picture), size) << place.id;
    }
    const QImage up = pictures.up.toImage();
    EXPECT_NE(up, pictures.down.toImage()) << place.id;
    EXPECT_NE(up, pictures.focus.toImage()) << place.id;
    EXPECT_NE(up, pictures.disabled.toImage()) << place.id;
  }
  EXPECT_TRUE(MainWindowButton(4242).isNull());
}

// The sizes of the pictures decide the buttons' sizes: they must not cover each other
// (pairs that share a place excepted) nor leave the rounded frame.
TEST(SkinButtons, MainWindowButtonsFitTheLayout) {
  const auto places = MainWindowButtons();
  const QRect frame(5, 5, 937, 740);
  for (std::size_t i = 0; i < places.size(); ++i) {
    const QRect a(QPoint(places[i].left, places[i].top), MainWindowButtonSize(places[i].id));
    EXPECT_TRUE(frame.contains(a)) << places[i].id;
    for (std::size_t j = i + 1; j < places.size(); ++j) {
      if (places[i].left == places[j].left && places[i].top == places[j].top) continue;
      const QRect b(QPoint(places[j].left, places[j].top), MainWindowButtonSize(places[j].id));
      EXPECT_FALSE(a.intersects(b)) << places[i].id << " covers " << places[j].id;
    }
  }
}

TEST(SkinButtonWidget, SizesToItsPicturesAndShowsTheFaceOfItsState) {
  SkinButton button(MainWindowButton(ctl::kPlay));
  EXPECT_EQ(button.size(), MainWindowButtonSize(ctl::kPlay));
  EXPECT_EQ(button.CurrentFace(), SkinButton::Face::kUp);
  button.setDown(true);
  EXPECT_EQ(button.CurrentFace(), SkinButton::Face::kDown);
  button.setDown(false);
  button.setEnabled(false);
  EXPECT_EQ(button.CurrentFace(), SkinButton::Face::kDisabled);
  const QImage disabled = button.grab().toImage();
  button.setEnabled(true);
  const QImage up = button.grab().toImage();
  EXPECT_NE(disabled, up);
}

TEST(SkinButtonWidget, DrawsItsCaption) {
  SkinButton button(Skin::Button(QString(), {80, 27}));
  const QImage plain = button.grab().toImage();
  button.setText(QStringLiteral("Ok"));
  EXPECT_NE(button.grab().toImage(), plain);
}

// Writes every picture under the build folder (skin/) and a contact sheet of the buttons,
// so people can look at them.
TEST(Skin, DumpsEveryPictureForPeopleToLookAt) {
  const QString folder = QStringLiteral(DIREVOVU_BINARY_DIR "/skin");
  const int written = Skin::DumpAll(folder, MainWindowButtonFaces());
  const int buttons = static_cast<int>(MainWindowButtons().size());
  EXPECT_EQ(written, Skin::PixmapNames().size() + 4 * buttons);
  EXPECT_TRUE(QImage(folder + "/main_background.png").size() == QSize(947, 750) ||
              QImage(folder + "/main_background.png").width() > 947);

  QImage sheet(4 * 80 + 20, buttons * 64 + 20, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(0x2a, 0x2e, 0x34));
  QPainter painter(&sheet);
  int row = 0;
  for (const ButtonPlace& place : MainWindowButtons()) {
    const ButtonPictures pictures = MainWindowButton(place.id);
    int column = 0;
    for (const QPixmap* picture : {&pictures.up, &pictures.down, &pictures.focus, &pictures.disabled}) {
      painter.drawPixmap(10 + column++ * 80, 10 + row * 64, *picture);
    }
    ++row;
  }
  painter.end();
  EXPECT_TRUE(sheet.save(folder + "/contact_sheet.png"));

  // The main window's pictures in their places (the first of each pair that shares one).
  QImage preview(947, 750, QImage::Format_ARGB32_Premultiplied);
  preview.fill(Qt::transparent);
  painter.begin(&preview);
  painter.drawPixmap(0, 0, Skin::Pixmap("main_background"));
  painter.drawPixmap(40, 522, Skin::Pixmap("mode_video_gravity"));
  painter.drawPixmap(110, 406, Skin::Pixmap("slider_channel"));
  painter.drawPixmap(110, 406, Skin::Pixmap("slider_channel_active"), 0, 0, 100, 20);
  painter.drawPixmap(203, 406, Skin::Pixmap("slider_thumb"));
  QSet<std::pair<int, int>> placed;
  for (const ButtonPlace& place : MainWindowButtons()) {
    if (placed.contains({place.left, place.top})) continue;
    placed.insert({place.left, place.top});
    painter.drawPixmap(place.left, place.top, MainWindowButton(place.id).up);
  }
  painter.end();
  EXPECT_TRUE(preview.save(folder + "/main_window_preview.png"));
}

}  // namespace
}  // namespace direvovu::gui
