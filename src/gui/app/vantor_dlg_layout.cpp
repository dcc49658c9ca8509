// The main window's controls at their places, the skin behind them and their texts.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPainter>

#include <map>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/export_controller.h"
#include "gui/app/library_controller.h"
#include "gui/app/main_window_buttons.h"
#include "gui/app/playback_display.h"
#include "gui/app/playlist_controller.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/skin_button.h"
#include "gui/controls/ui_text.h"
#include "gui/display/graph_panel.h"
#include "gui/display/readouts.h"
#include "gui/display/speedometer_widget.h"
#include "gui/display/transport_indicators.h"
#include "gui/skin/skin.h"

namespace direvovu::gui {
namespace {

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

// The area a libvlc player draws into: a native window of its own, black until the
// first picture arrives.
class VideoArea : public QWidget {
 public:
  explicit VideoArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
  }
};

// The axis colours of the graphs, lifted so that they read on the dark panel.
QColor LabelColour(int id) {
  switch (id) {
    case ctl::kReadoutX:
      return QColor(0, 0, 255).lighter(170);
    case ctl::kReadoutY:
      return {0, 255, 0};
    case ctl::kReadoutZ:
      return QColor(128, 0, 255).lighter(150);
    default:
      return Qt::white;
  }
}

using Controls = std::map<int, QWidget*>;

void MakeVideoArea(QWidget* window, int id, const Rect& area, Controls& controls) {
  auto* made = new VideoArea(window);
  made->setObjectName(QStringLiteral("ctl%1").arg(id));
  made->setGeometry(ToQRect(area));
  controls[id] = made;
}

CBitmapSlider* MakeSlider(QWidget* window) {
  auto* slider = new CBitmapSlider(window);
  slider->setObjectName(QStringLiteral("ctl%1").arg(ctl::kSeekSlider));
  slider->SetBitmapChannel(Skin::Pixmap(QStringLiteral("slider_channel")),
                           Skin::Pixmap(QStringLiteral("slider_channel_active")));
  // The thumb's corner pixel is its transparent colour.
  slider->SetBitmapThumb(Skin::Pixmap(QStringLiteral("slider_thumb")),
                         Skin::Pixmap(QStringLiteral("slider_thumb_active")), true);
  slider->SetRange(0, kSeekRange);
  slider->SetPos(0);
  slider->setGeometry(ToQRect(kSeekSliderArea));
  return slider;
}

void MakeButtons(QWidget* window, Controls& controls) {
  for (const ButtonPlace& place : MainWindowButtons()) {
    // Each button takes the size of its pictures; only its corner is placed.
    auto* pressed = new SkinButton(MainWindowButton(place.id), window);
    pressed->setObjectName(QStringLiteral("ctl%1").arg(place.id));
    pressed->setFocusPolicy(Qt::NoFocus);
    pressed->move(place.left, place.top);
    controls[place.id] = pressed;
  }
}

void MakeLabels(QWidget* window, Controls& controls) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  for (const LabelPlace& place : MainWindowLabels()) {
    auto* text = new QLabel(window);
    text->setObjectName(QStringLiteral("ctl%1").arg(place.id));
    text->setGeometry(ToQRect(place.area));
    text->setFont(font);
    text->setAutoFillBackground(false);  // the skin shows through
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, LabelColour(place.id));
    text->setPalette(palette);
    const bool time = place.id == ctl::kElapsedTime || place.id == ctl::kTotalTime;
    text->setAlignment(time ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    controls[place.id] = text;
  }
}

}  // namespace

void CVantorDlg::BuildControls() {
  MakeVideoArea(this, ctl::kFrontVideo, kFrontVideoArea, controls_);
  MakeVideoArea(this, ctl::kRearVideo, kRearVideoArea, controls_);
  MakeButtons(this, controls_);
  MakeLabels(this, controls_);
  BuildDisplays();
  background_ = Skin::Pixmap(QStringLiteral("main_background"));
  setWindowIcon(Skin::AppIcon());
  ShowOneOf(ctl::kPlay, ctl::kPause);
  ShowOneOf(ctl::kSpeedGraph, ctl::kGravityGraph);
  ShowOneOf(ctl::kDrivingLogMode, ctl::kVideoMode);
  // The mode panel names the graph shown: it follows the graph and mode buttons.
  for (const int id : {ctl::kGravityGraph, ctl::kSpeedGraph, ctl::kVideoMode, ctl::kDrivingLogMode}) {
    connect(button(id), &QAbstractButton::clicked, this, [this] { update(ToQRect(kModePanelArea)); });
  }
  RefreshTexts();
}

// The slider, the graph strip, the gauge, the indicators and the play list, with the
// controllers that keep them.
void CVantorDlg::BuildDisplays() {
  slider_ = MakeSlider(this);
  controls_[ctl::kSeekSlider] = slider_;
  graph_panel_ = new GraphPanel(this);
  graph_panel_->SetTrack(&playback_->track());
  speedometer_ = new SpeedometerWidget(this);
  speedometer_->SetTrack(&playback_->track());
  // The rate and volume commands repaint the window, and these with it.
  new RateIndicator([this] { return playback_->rate(); }, this);
  new VolumeIndicator([this] { return settings_.volume_step; }, this);
  ReadoutLabels readouts;
  readouts.elapsed = label(ctl::kElapsedTime);
  readouts.total = label(ctl::kTotalTime);
  readouts.x = label(ctl::kReadoutX);
  readouts.y = label(ctl::kReadoutY);
  readouts.z = label(ctl::kReadoutZ);
  readouts.recordTime = label(ctl::kRecordTime);
  readouts.peak = label(ctl::kPeak);
  readouts.latitude = label(ctl::kLatitude);
  readouts.longitude = label(ctl::kLongitude);
  display_ = std::make_unique<PlaybackDisplay>(
      *playback_, PlaybackDisplay::Widgets{slider_, graph_panel_, speedometer_, readouts});
  display_->SetSpeedUnit(settings_.speed_unit);

  playlist_view_ = new PlaylistView(this);
  playlist_view_->setObjectName(QStringLiteral("ctl%1").arg(ctl::kPlayList));
  playlist_view_->setGeometry(ToQRect(kPlayListArea));
  controls_[ctl::kPlayList] = playlist_view_;
  playlist_ = std::make_unique<PlaylistController>(folders_, prompts_, *playback_, *playlist_view_);
  export_ = std::make_unique<ExportController>(folders_, prompts_, *playback_, *slider_, this);
  library_ = std::make_unique<LibraryController>(folders_, prompts_, *playback_, *playlist_, this);
  setAcceptDrops(true);
}

void CVantorDlg::ShowOneOf(int shown_id, int hidden_id) {
  if (QAbstractButton* hidden = button(hidden_id)) hidden->hide();
  if (QAbstractButton* shown = button(shown_id)) shown->show();
}

void CVantorDlg::ApplyTooltips() {
  for (const ButtonPlace& place : MainWindowButtons()) {
    if (QAbstractButton* pressed = button(place.id)) {
      pressed->setToolTip(UiText(TextTable::MainWindow, place.tooltip_row));
    }
  }
}

void CVantorDlg::RefreshTexts() {
  ApplyTooltips();
  if (playlist_view_ != nullptr) playlist_view_->RefreshTexts();
  if (display_ != nullptr) display_->RefreshTimeTexts();
  if (export_ != nullptr) export_->RefreshTexts();
  if (library_ != nullptr) library_->RefreshTexts();
  if (export_action_ != nullptr) {
    export_action_->setText(UiText(TextTable::ExportWindow, rows::export_window::kPictureMenu));
  }
}

// The background first, then the mode panel: which mode and which graph are on.
void CVantorDlg::PaintSkin(QPainter& painter) {
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(40, 42, 46));
  } else {
    painter.drawPixmap(0, 0, background_);
  }
  const QString panel =
      graph_mode_gsensor_ ? QStringLiteral("mode_video_gravity") : QStringLiteral("mode_video_speed");
  painter.drawPixmap(kModePanelArea.left, kModePanelArea.top, Skin::Pixmap(panel));
}

}  // namespace direvovu::gui
