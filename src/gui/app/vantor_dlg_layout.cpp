// The main window's controls at their places, the skin behind them and their texts.
#include <QAbstractButton>
#include <QLabel>
#include <QPainter>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/skin_button.h"
#include "gui/controls/ui_text.h"
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

}  // namespace

void CVantorDlg::BuildControls() {
  BuildVideoAreas();
  BuildButtons();
  BuildLabels();
  BuildDisplays();
  BuildSlider();
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

void CVantorDlg::BuildVideoAreas() {
  front_video_ = new VideoArea(this);
  front_video_->setObjectName(QStringLiteral("ctl%1").arg(ctl::kFrontVideo));
  front_video_->setGeometry(ToQRect(kFrontVideoArea));
  rear_video_ = new VideoArea(this);
  rear_video_->setObjectName(QStringLiteral("ctl%1").arg(ctl::kRearVideo));
  rear_video_->setGeometry(ToQRect(kRearVideoArea));
}

void CVantorDlg::BuildSlider() {
  slider_ = new CBitmapSlider(this);
  slider_->setObjectName(QStringLiteral("ctl%1").arg(ctl::kSeekSlider));
  slider_->SetBitmapChannel(Skin::Pixmap(QStringLiteral("slider_channel")),
                            Skin::Pixmap(QStringLiteral("slider_channel_active")));
  // The thumb's corner pixel is its transparent colour.
  slider_->SetBitmapThumb(Skin::Pixmap(QStringLiteral("slider_thumb")),
                          Skin::Pixmap(QStringLiteral("slider_thumb_active")), true);
  slider_->SetRange(0, kSeekRange);
  slider_->SetPos(0);
  slider_->setGeometry(ToQRect(kSeekSliderArea));
}

void CVantorDlg::BuildButtons() {
  for (const ButtonPlace& place : MainWindowButtons()) {
    // Each button takes the size of its pictures; only its corner is placed.
    auto* pressed = new SkinButton(Skin::MainWindowButton(place.id), this);
    pressed->setObjectName(QStringLiteral("ctl%1").arg(place.id));
    pressed->setFocusPolicy(Qt::NoFocus);
    pressed->move(place.left, place.top);
    buttons_[place.id] = pressed;
  }
}

void CVantorDlg::BuildLabels() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  for (const LabelPlace& place : MainWindowLabels()) {
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("ctl%1").arg(place.id));
    text->setGeometry(ToQRect(place.area));
    text->setFont(font);
    text->setAutoFillBackground(false);  // the skin shows through
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, LabelColour(place.id));
    text->setPalette(palette);
    const bool time = place.id == ctl::kElapsedTime || place.id == ctl::kTotalTime;
    text->setAlignment(time ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    labels_[place.id] = text;
  }
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

void CVantorDlg::RefreshTimeTexts() {
  if (QLabel* elapsed = label(ctl::kElapsedTime)) elapsed->setText(QString::fromStdString(elapsed_text_));
  if (QLabel* total = label(ctl::kTotalTime)) total->setText(QString::fromStdString(total_text_));
}

void CVantorDlg::SetSliderPosition(int position) { slider_->SetPos(position); }

void CVantorDlg::RefreshTexts() {
  ApplyTooltips();
  if (playlist_ != nullptr) playlist_->RefreshTexts();
  RefreshTimeTexts();
}

// The background first, then the mode panel: which mode and which graph are on.
void CVantorDlg::PaintSkin(QPainter& painter) {
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(40, 42, 46));
  } else {
    painter.drawPixmap(0, 0, background_);
  }
  const QString panel = driving_log_mode_     ? QStringLiteral("mode_driving_log")
                        : graph_mode_gsensor_ ? QStringLiteral("mode_video_gravity")
                                              : QStringLiteral("mode_video_speed");
  painter.drawPixmap(kModePanelArea.left, kModePanelArea.top, Skin::Pixmap(panel));
}

}  // namespace direvovu::gui
