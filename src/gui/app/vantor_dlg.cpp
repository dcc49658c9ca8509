#include "gui/app/vantor_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QNetworkInformation>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include "core/app/main_window_geometry.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"

namespace direvovu::gui {
namespace {

// Also the name the window has in the task bar.
constexpr char kWindowTitle[] = "VAZI OSPREYCAM CD-Serial";

QRegion RoundedRegion() {
  const RoundedOutline& o = kMainWindowOutline;
  QPainterPath path;
  path.addRoundedRect(QRectF(o.left, o.top, o.right - o.left, o.bottom - o.top), o.corner / 2.0,
                      o.corner / 2.0);
  return {path.toFillPolygon().toPolygon()};
}

}  // namespace

CVantorDlg::CVantorDlg(WorkingFolders folders, PlayerFactory make_player, IPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      folders_(std::move(folders)),
      make_player_(std::move(make_player)),
      prompts_(prompts),
      timers_(this),
      playback_(std::make_unique<PairPlayback>(folders_, prompts_, this)) {
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  // No title bar and no border: the skin draws the whole window and a click drags it.
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
  setFixedSize(kMainWindowWidth, kMainWindowHeight);
  setMask(RoundedRegion());
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The video areas are native windows for libvlc; their siblings (readouts, graph strip)
  // must stay alien so that they are drawn over the skin and not as black boxes.
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  DefineTimers();
  BuildControls();
  BuildPlaylist();
  ConnectCommands();
  ConnectPlayback();
}

CVantorDlg::~CVantorDlg() {
  // libvlc's X11 output must let go of the video windows before they are destroyed.
  timers_.StopEverything();
  DestroyRouteWindow();  // they refer to this window's flags and prompts
  DestroyMapWindow();
  DestroyCarInfoWindow();
  playback_.reset();
}

bool CVantorDlg::Initialise(std::string* error) {
  move(PlacementOn(screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024)));
  // The folders first: on a first run the working copies have nowhere to go otherwise.
  CreateWorkingFolders(folders_);
  EmptyWorkingCopies();
  if (!playback_->CreatePlayers(make_player_, front_video_, rear_video_, error)) return false;
  ReloadSettings();
  if (!connectivity_probe_ && QNetworkInformation::instance() == nullptr &&
      !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
    QNetworkInformation::loadDefaultBackend();
  }
  timers_.Start(timer::kConnectivity);
  return true;
}

void CVantorDlg::ReloadSettings() {
  settings_ = LoadAppliedSettings(folders_, settings_);
  SetCurrentLanguage(settings_.language);
  playback_->SetVolume(settings_.volume_step);
  ApplyDisplaySettings();
  RefreshTexts();
  // A new marker interval applies at once to a map that follows a recording.
  if (timers_.IsActive(timer::kMapPoints)) timers_.Start(timer::kMapPoints, settings_.marker_interval_ms);
}

QPoint CVantorDlg::PlacementOn(const QRect& screen) {
  const WindowPosition at = PlaceMainWindow(screen.width(), screen.height());
  return {screen.left() + at.left, screen.top() + at.top};
}

void CVantorDlg::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PaintSkin(painter);
}

void CVantorDlg::mousePressEvent(QMouseEvent* event) {
  // The window has no caption: a left click anywhere moves it. The window manager moves
  // it where it can; elsewhere the window follows the mouse itself.
  if (event->button() != Qt::LeftButton) {
    QDialog::mousePressEvent(event);
    return;
  }
  event->accept();
  if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
  drag_offset_ = event->globalPosition().toPoint() - pos();
}

void CVantorDlg::mouseMoveEvent(QMouseEvent* event) {
  if (drag_offset_ && event->buttons().testFlag(Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - *drag_offset_);
    event->accept();
    return;
  }
  QDialog::mouseMoveEvent(event);
}

void CVantorDlg::mouseReleaseEvent(QMouseEvent* event) {
  drag_offset_.reset();
  QDialog::mouseReleaseEvent(event);
}

void CVantorDlg::keyPressEvent(QKeyEvent* event) {
  // Enter would press a default button; the window has none.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CVantorDlg::closeEvent(QCloseEvent* event) {
  if (closing()) {
    event->accept();
    return;
  }
  event->ignore();  // the close command ends the dialog once the players are down
  CloseCommand();
}

void CVantorDlg::reject() {
  // Escape (and the window manager's close) go through the close command, which stops
  // the players before their windows go.
  if (closing()) {
    QDialog::reject();
    return;
  }
  CloseCommand();
}

QAbstractButton* CVantorDlg::button(int id) const {
  const auto found = buttons_.find(id);
  return found == buttons_.end() ? nullptr : found->second;
}

QLabel* CVantorDlg::label(int id) const {
  const auto found = labels_.find(id);
  return found == labels_.end() ? nullptr : found->second;
}

}  // namespace direvovu::gui
