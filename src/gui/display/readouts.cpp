#include "gui/display/readouts.h"

#include <QLabel>

namespace direvovu::gui {
namespace {

void Set(QLabel* label, const QString& text) {
  if (label != nullptr && label->text() != text) label->setText(text);
}

void Set(QLabel* label, const std::string& text) { Set(label, QString::fromStdString(text)); }

}  // namespace

void ShowTimeTexts(const ReadoutLabels& labels, const QString& elapsed, const QString& total) {
  Set(labels.elapsed, elapsed);
  Set(labels.total, total);
}

void ShowAxisTexts(const ReadoutLabels& labels, const display::AxisTexts& texts) {
  Set(labels.x, texts.x);
  Set(labels.y, texts.y);
  Set(labels.z, texts.z);
}

void ShowRecordTexts(const ReadoutLabels& labels, const TrackState& track, double playSecond) {
  const std::optional<display::RecordTexts> texts = display::RecordReadouts(track, playSecond);
  if (!texts) return;
  Set(labels.recordTime, texts->recordTime);
  Set(labels.peak, texts->peak);
  Set(labels.latitude, texts->latitude);
  Set(labels.longitude, texts->longitude);
}

void ResetReadouts(const ReadoutLabels& labels) {
  const QString no_position = QString::fromUtf8(display::kEmptyPositionText.data(),
                                                static_cast<qsizetype>(display::kEmptyPositionText.size()));
  Set(labels.latitude, no_position);
  Set(labels.longitude, no_position);
  ShowTimeTexts(labels, QStringLiteral("00:00"), QStringLiteral("00:00"));
  ShowAxisTexts(labels, display::EmptyAxisTexts());
  Set(labels.recordTime, QString());
  Set(labels.peak, QString());
}

}  // namespace direvovu::gui
