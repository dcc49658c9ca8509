#include "gui/display/graph_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/display/display_pictures.h"

namespace direvovu::gui {
namespace {

namespace c = display_colours;
using display::Axis;
using display::GraphMode;

void DrawPolyline(QPainter& painter, const std::vector<display::Point>& points) {
  if (points.size() < 2) return;
  QVector<QPoint> line;
  line.reserve(static_cast<int>(points.size()));
  for (const display::Point& point : points) line.append(QPoint(point.x, point.y));
  painter.drawPolyline(line.constData(), static_cast<int>(line.size()));
}

}  // namespace

GraphPanel::GraphPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("graphPanel"));
  setGeometry(display::kPanelLeft, display::kPanelTop, display::kPanelWidth, display::kPanelHeight);
  setAttribute(Qt::WA_TranslucentBackground);
  RebuildPicture();
}

void GraphPanel::SetTrack(const TrackState* track) {
  track_ = track;
  RebuildCurves();
  update();
}

void GraphPanel::SetEvents(std::vector<display::GraphEvent> events) {
  if (events.size() > static_cast<std::size_t>(display::kMaxGraphEvents))
    events.resize(display::kMaxGraphEvents);
  events_ = std::move(events);
  RebuildCurves();
  update();
}

void GraphPanel::SetMode(GraphMode mode) {
  mode_ = mode;
  RebuildPicture();
  RebuildCurves();
  update();
}

void GraphPanel::SetUnit(display::SpeedUnit unit) {
  unit_ = unit;
  RebuildPicture();
  update();
}

std::optional<display::AxisTexts> GraphPanel::Refresh(double positionSeconds, double lengthSeconds) {
  active_ = true;
  // The track is refilled in place by each load, so the curves are made anew each time.
  length_seconds_ = lengthSeconds;
  RebuildCurves();
  std::optional<display::AxisTexts> texts;
  // A cursor that would fall off the panel leaves the last one (and the readouts) alone.
  if (const std::optional<int> x = display::CursorX(positionSeconds, lengthSeconds)) {
    cursor_x_ = x;
    static const TrackState kNoTrack;
    texts = display::AxisReadouts(track_ != nullptr ? *track_ : kNoTrack, events_, positionSeconds);
  }
  update();
  if (texts) {
    emit axisTextsChanged(QString::fromStdString(texts->x), QString::fromStdString(texts->y),
                          QString::fromStdString(texts->z));
  }
  return texts;
}

void GraphPanel::Clear() {
  active_ = false;
  cursor_x_.reset();
  length_seconds_ = 0;
  events_.clear();
  curves_.clear();
  update();
}

void GraphPanel::RebuildPicture() { picture_ = GraphPanelPicture(mode_, unit_); }

void GraphPanel::RebuildCurves() {
  curves_.clear();
  if (!active_ || track_ == nullptr || track_->count <= 0) return;
  if (mode_ == GraphMode::GSensor) {
    for (const Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
      curves_.push_back(display::PanelGravityCurve(*track_, length_seconds_, events_, axis));
    }
  } else {
    curves_.push_back(display::PanelSpeedCurve(*track_, length_seconds_));
  }
}

void GraphPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
  if (!active_) return;
  // The geometry is in main-window pixels.
  painter.translate(-display::kPanelLeft, -display::kPanelTop);
  if (cursor_x_) {
    painter.setPen(QPen(c::kCursor, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(*cursor_x_, display::kCursorBottom, *cursor_x_, display::kCursorTop);
  }
  if (mode_ == GraphMode::GSensor) {
    const QColor colours[] = {c::kAxisX, c::kAxisY, c::kAxisZ};
    for (std::size_t i = 0; i < curves_.size() && i < 3; ++i) {
      painter.setPen(QPen(colours[i], 1));
      DrawPolyline(painter, curves_[i]);
    }
  } else if (!curves_.empty()) {
    painter.setPen(QPen(c::kPanelSpeed, 1));
    DrawPolyline(painter, curves_.front());
  }
}

void GraphPanel::mousePressEvent(QMouseEvent* event) {
  // A click on the panel moves the window like a click anywhere else on it.
  event->ignore();
}

void GraphPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit enlargeRequested();
    event->accept();
    return;
  }
  event->ignore();
}

}  // namespace direvovu::gui
