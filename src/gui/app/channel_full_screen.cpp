#include "gui/app/channel_full_screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/app/zoom_geometry.h"

namespace direvovu::gui {
namespace {

constexpr int kBandHeight = 36;
constexpr int kInsetMargin = 16;
constexpr int kBandRefreshMs = 250;

}  // namespace

ChannelFullScreen::ChannelFullScreen(std::function<QString()> readout,
                                     std::function<QSize(QWidget*)> picture_size)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      readout_(std::move(readout)),
      picture_size_(std::move(picture_size)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMouseTracking(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  band_ = new QLabel(this);
  band_->setAlignment(Qt::AlignCenter);
  band_->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 160); color: white; font-size: 16px;"));
  band_hide_.setSingleShot(true);
  band_hide_.setInterval(kBandHideMs);
  connect(&band_hide_, &QTimer::timeout, band_, &QWidget::hide);
  band_refresh_.setInterval(kBandRefreshMs);
  connect(&band_refresh_, &QTimer::timeout, this, [this] { band_->setText(readout_()); });
}

ChannelFullScreen::~ChannelFullScreen() { Close(); }

void ChannelFullScreen::Take(QWidget* area, Home* home) {
  home->parent = area->parentWidget();
  home->geometry = area->geometry();
  home->tracking = area->hasMouseTracking();
  home->shown = area->isVisibleTo(area->parentWidget());
  area->setParent(this);  // hidden until it has its place
  // A mouse moving over the pictures brings the band back.
  area->setMouseTracking(true);
  area->installEventFilter(this);
}

void ChannelFullScreen::Return(QWidget* area, const Home& home) {
  if (area == nullptr || home.parent == nullptr) return;
  const bool shown = !area->isHidden();
  area->setParent(home.parent);
  area->setGeometry(home.geometry);
  area->setMouseTracking(home.tracking);
  area->setVisible(shown);
}

void ChannelFullScreen::Open(QWidget* large, QWidget* inset, const QRect& screen) {
  // Where a window manager makes it full screen it does; a bare X server does not, so
  // the window covers the screen by itself first.
  setGeometry(screen);
  showFullScreen();
  large_ = large;
  inset_ = inset;
  // The pictures move into the shown window and are placed before they show: each
  // player's output is unmapped as briefly as can be and resized once.
  Take(large, &large_home_);
  if (inset != nullptr) Take(inset, &inset_home_);
  Arrange();
  large->setVisible(large_home_.shown);
  if (inset != nullptr) inset->setVisible(inset_home_.shown);
  raise();
  activateWindow();
  band_->setText(readout_());
  ShowBand();
  band_refresh_.start();
}

void ChannelFullScreen::Close() {
  band_refresh_.stop();
  band_hide_.stop();
  for (QWidget* area : {large_.data(), inset_.data()}) {
    if (area != nullptr) area->removeEventFilter(this);
  }
  Return(large_, large_home_);
  Return(inset_, inset_home_);
  large_ = nullptr;
  inset_ = nullptr;
  hide();
}

void ChannelFullScreen::Swap() {
  QWidget* inset = inset_.data();
  if (inset == nullptr || !inset->isVisibleTo(this)) return;
  inset_ = large_.data();
  large_ = inset;
  std::swap(large_home_, inset_home_);
  Arrange();
}

void ChannelFullScreen::Arrange() {
  if (large_ == nullptr) return;
  const auto fitted = [this](QWidget* area, const QRect& box) {
    QSize picture = picture_size_(area);
    if (picture.isEmpty()) picture = QSize(16, 9);
    const PixelRect fit = FittedPicture(box.width(), box.height(), picture.width(), picture.height());
    return QRect(box.x() + fit.x, box.y() + fit.y, fit.width, fit.height);
  };
  large_->setGeometry(fitted(large_, rect()));
  if (inset_ != nullptr) {
    const int width = this->width() / kInsetShare;
    const QRect corner(this->width() - width - kInsetMargin, kInsetMargin, width, width * 9 / 16);
    inset_->setGeometry(fitted(inset_, corner));
    inset_->raise();
  }
  band_->setGeometry(0, height() - kBandHeight, width(), kBandHeight);
  band_->raise();
}

bool ChannelFullScreen::bandShown() const { return !band_->isHidden(); }

void ChannelFullScreen::ShowBand() {
  band_->show();
  band_->raise();
  band_hide_.start();
}

void ChannelFullScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange();
}

void ChannelFullScreen::mouseMoveEvent(QMouseEvent* event) {
  ShowBand();
  QWidget::mouseMoveEvent(event);
}

void ChannelFullScreen::mouseDoubleClickEvent(QMouseEvent* /*event*/) { emit leaveRequested(); }

void ChannelFullScreen::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || (event->key() == Qt::Key_F && event->modifiers() == Qt::NoModifier)) {
    emit leaveRequested();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool ChannelFullScreen::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      ShowBand();
      break;
    case QEvent::MouseButtonDblClick:
      if (watched == large_) emit leaveRequested();
      break;
    case QEvent::MouseButtonRelease:
      if (watched == inset_) {
        Swap();
        return true;
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace direvovu::gui
