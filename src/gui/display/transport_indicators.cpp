#include "gui/display/transport_indicators.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/display/transport_indicators.h"
#include "gui/display/display_pictures.h"
#include "gui/skin/skin_palette.h"

namespace direvovu::gui {
IndicatorWell::IndicatorWell(const QString& name, int left, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setGeometry(left, display::kIndicatorWellTop, display::kIndicatorWellWidth, display::kIndicatorWellHeight);
  setAttribute(Qt::WA_TranslucentBackground);
}

void IndicatorWell::mousePressEvent(QMouseEvent* event) { event->ignore(); }

RateIndicator::RateIndicator(std::function<float()> rate, QWidget* parent)
    : IndicatorWell(QStringLiteral("rateIndicator"), display::kRateWellLeft, parent),
      rate_(std::move(rate)) {}

QString RateIndicator::text() const {
  return QString::fromStdString(display::RateIndicatorText(rate_ ? rate_() : 1.0F));
}

void RateIndicator::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(display_colours::kSpeedNumber);
  painter.drawText(rect(), Qt::AlignCenter, text());
}

VolumeIndicator::VolumeIndicator(std::function<int()> step, QWidget* parent)
    : IndicatorWell(QStringLiteral("volumeIndicator"), display::kVolumeWellLeft, parent),
      step_(std::move(step)) {}

int VolumeIndicator::barsLit() const { return display::VolumeBarsLit(step_ ? step_() : 0); }

void VolumeIndicator::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // Ten bars rising to the right, the lit ones in the accent colour.
  constexpr int kBarWidth = 3;
  constexpr int kGap = 1;
  const int lit = barsLit();
  const int left = (width() - display::kVolumeBars * (kBarWidth + kGap) + kGap) / 2;
  for (int i = 0; i < display::kVolumeBars; ++i) {
    const int bar_height = 4 + i * (height() - 10) / (display::kVolumeBars - 1);
    const QRect bar(left + i * (kBarWidth + kGap), height() - 4 - bar_height, kBarWidth, bar_height);
    painter.fillRect(bar, i < lit ? palette::kAccent : display_colours::kGrid);
  }
}

}  // namespace direvovu::gui
