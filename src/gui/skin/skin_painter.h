#pragma once

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

namespace direvovu::gui::skin {

// Every picture is painted in logical pixels onto a canvas of size × dpr, so it stays
// sharp on high-density screens.
QPixmap NewCanvas(QSize size, qreal dpr);

// Building blocks other windows can reuse for their own backgrounds.
void PaintPanel(QPainter& p, const QRectF& rect, qreal radius);                     // raised, shaded
void PaintWell(QPainter& p, const QRectF& rect, qreal radius, const QColor& fill);  // recessed
void PaintTitleBand(QPainter& p, const QRectF& band, const QString& title);

enum class ButtonState { kUp, kDown, kFocus, kDisabled };
// A button face of the size with the icon (skin_icons.h) for the state; an empty icon
// name gives a plain face for a caption.
QPixmap PaintButton(QSize size, const QString& icon, ButtonState state, qreal dpr);

enum class ModePanel { kVideoGravity, kVideoSpeed, kDrivingLog };
// 24 × 107: the tab left of the graph that names what the panel shows.
QPixmap PaintModePanel(ModePanel mode, qreal dpr);

// The seek slider's groove (normal, or active = the played part) and its thumb.
QPixmap PaintSliderChannel(QSize size, bool active, qreal dpr);
QPixmap PaintSliderThumb(QSize size, bool active, qreal dpr);

// 947 × 750: the main window, rounded within (5, 5)–(942, 745), with wells for the two
// videos, the time texts, the graph, the readouts and the play list.
QPixmap PaintMainBackground(qreal dpr);
// Any window: rounded frame inset 5 pixels, a title band with the title.
QPixmap PaintWindowBackground(QSize size, const QString& title, qreal dpr);
// 480 × 240: the message box, with a well behind the text area (17, 66)–(463, 181).
QPixmap PaintMessageBoxBackground(qreal dpr);

// A text painted centred and word-wrapped into a fixed room, at a pixel size.
struct TextBox {
  QRectF room;
  int pixels;
};
QFont TextBoxFont(const TextBox& box);
// The offline picture's headline and the line below it.
inline constexpr TextBox kOfflineHeadlineBox{{20, 310, 495, 40}, 22};
inline constexpr TextBox kOfflineDetailBox{{40, 355, 455, 50}, 14};

// 535 × 520: shown instead of the map page when there is no internet connection, with
// its two lines in the language (a language id).
QPixmap PaintOfflineMap(int language, qreal dpr);

// The program's icon: a dark camera face with its two lenses.
QPixmap PaintAppIcon(int size);

}  // namespace direvovu::gui::skin
