#include "gui/display/graph_dlg.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>

#include "gui/display/display_pictures.h"

namespace direvovu::gui {
namespace {

namespace c = display_colours;
using display::Axis;
using display::GraphMode;

QRegion RoundedRegion() {
  // Rounded corners like the main window: (5, 5) to (798, 253), corner ellipse 20 × 20.
  QPainterPath path;
  path.addRoundedRect(QRectF(5, 5, 793, 248), 10, 10);
  return {path.toFillPolygon().toPolygon()};
}

}  // namespace

CGraphDlg::CGraphDlg(const TrackState& track, GraphMode mode, display::SpeedUnit unit, double lengthSeconds,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), mode_(mode) {
  setObjectName(QStringLiteral("CGraphDlg"));
  setFixedSize(display::kGraphDlgWidth, display::kGraphDlgHeight);
  setMask(RoundedRegion());
  background_ = GraphDialogBackground(mode, unit, lengthSeconds);
  labels_ = GraphDialogLabels(mode, unit);

  if (mode == GraphMode::GSensor) {
    for (const Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
      curves_.push_back(display::DialogGravityCurve(track, lengthSeconds, axis));
    }
  } else {
    curves_.push_back(display::DialogSpeedCurve(track, lengthSeconds));
  }

  close_ = new QPushButton(this);
  close_->setObjectName(QStringLiteral("ctl1"));
  const QPixmap up = GraphDialogCloseButton(false);
  QIcon icon(up);
  icon.addPixmap(GraphDialogCloseButton(true), QIcon::Active);
  close_->setIcon(icon);
  close_->setIconSize(up.size());
  close_->setFlat(true);
  close_->setFocusPolicy(Qt::NoFocus);
  close_->setStyleSheet(
      QStringLiteral("QPushButton { border: none; background: transparent; }"
                     "QPushButton:pressed { padding-top: 1px; padding-left: 1px; }"));
  close_->setGeometry(display::kGraphDlgCloseLeft, display::kGraphDlgCloseTop, up.width(), up.height());
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void CGraphDlg::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
  painter.drawPixmap(display::kGraphDlgLabelLeft, display::kGraphDlgLabelTop, labels_);
  // Long recordings run past the window; the curves stop at its edge.
  painter.setClipRect(QRect(display::kGraphDlgCurveLeft, 8,
                            display::kGraphDlgWidth - display::kGraphDlgCurveLeft - 14,
                            display::kGraphDlgHeight - 16));
  const QColor gravity[] = {c::kAxisX, c::kAxisY, c::kAxisZ};
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    const auto& points = curves_[i];
    if (points.size() < 2) continue;
    painter.setPen(QPen(mode_ == GraphMode::GSensor ? gravity[i % 3] : c::kDialogSpeed, 1));
    QVector<QPoint> line;
    line.reserve(static_cast<int>(points.size()));
    for (const display::Point& p : points) line.append(QPoint(p.x, p.y));
    painter.drawPolyline(line.constData(), static_cast<int>(line.size()));
  }
}

void CGraphDlg::mousePressEvent(QMouseEvent* event) {
  // The window has no caption: a left click anywhere drags it.
  if (event->button() == Qt::LeftButton && event->position().y() < display::kGraphDlgHeight) {
    dragging_ = true;
    drag_offset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
    return;
  }
  QDialog::mousePressEvent(event);
}

void CGraphDlg::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - drag_offset_);
    event->accept();
    return;
  }
  QDialog::mouseMoveEvent(event);
}

void CGraphDlg::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QDialog::mouseReleaseEvent(event);
}

}  // namespace direvovu::gui
