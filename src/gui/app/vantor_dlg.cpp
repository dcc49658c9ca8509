#include "gui/app/vantor_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "core/app/main_window_geometry.h"
#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/export_controller.h"
#include "gui/app/library_controller.h"
#include "gui/app/map_follower.h"
#include "gui/app/picture_zoom.h"
#include "gui/app/playback_display.h"
#include "gui/app/playlist_controller.h"
#include "gui/controls/qt_texts.h"
#include "gui/map/car_info.h"

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
      card_(folders_, prompts_),
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
  BuildControls();
  maps_ = std::make_unique<MapFollower>(folders_, prompts_, *playback_, card_, this);
  connect(maps_.get(), &MapFollower::connectivityChanged, this, [this](bool online) {
    emit connectivityChanged(online);
    update();
  });
  ConnectCommands();
  ConnectPlayback();
}

CVantorDlg::~CVantorDlg() {
  // The video areas come home before anything lets go of them.
  LeaveFullScreen();
  export_->Stop();
  library_->Stop();
  // libvlc's X11 output must let go of the video windows before they are destroyed.
  display_->Stop();
  playlist_->Stop();
  maps_->Stop();  // its windows refer to this window's prompts
  DestroyCarInfoWindow();
  playback_.reset();
}

bool CVantorDlg::Initialise(std::string* error) {
  move(PlacementOn(screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024)));
  // The folders first: on a first run the working copies have nowhere to go otherwise.
  CreateWorkingFolders(folders_);
  // Whatever a previous run left is of no use and may be large.
  EmptyWorkingCopies(folders_);
  if (!playback_->CreatePlayers(make_player_, control(ctl::kFrontVideo), control(ctl::kRearVideo), error)) {
    return false;
  }
  front_zoom_ = new PictureZoom(*control(ctl::kFrontVideo), *playback_->front(), this);
  rear_zoom_ = new PictureZoom(*control(ctl::kRearVideo), *playback_->rear(), this);
  ReloadSettings();
  maps_->StartWatching();
  ConnectDesktop();
  return true;
}

void CVantorDlg::ReloadSettings() {
  settings_ = LoadAppliedSettings(folders_, settings_);
  if (run_language_) settings_.language = *run_language_;
  SetCurrentLanguage(settings_.language);
  UseQtTextsIn(settings_.language);
  playback_->SetVolume(settings_.volume_step);
  display_->SetSpeedUnit(settings_.speed_unit);
  export_->SetSpeedUnit(settings_.speed_unit);
  // The volume well shows the step just loaded.
  update();
  RefreshTexts();
  maps_->SetMarkers({settings_.marker_interval_ms, settings_.marker_on});
}

void CVantorDlg::ApplyViewerSettings(bool language_changed) {
  if (language_changed) run_language_.reset();  // the one chosen in the setup is stored
  ReloadSettings();
  if (language_changed) maps_->LanguageChanged(settings_.language);
}

void CVantorDlg::CloseCommand() {
  if (playback_->closed()) return;
  LeaveFullScreen();
  // A load whose players are on their way to the first pictures finishes that first
  // (bounded); a copy under way is given up.
  if (!playback_->Close()) {
    CloseWhenSettled();
    return;
  }
  SaveVolume(folders_, settings_.volume_step);
  // An export under way is given up, as a copy is.
  export_->Stop();
  library_->Stop();
  display_->Stop();
  playlist_->Stop();
  maps_->Stop();
  DestroyCarInfoWindow();
  done(QDialog::Accepted);
}

void CVantorDlg::CloseWhenSettled() {
  // Asked again after the phase change has run its course, not inside it.
  connect(
      playback_.get(), &PairPlayback::stateChanged, this,
      [this] { QTimer::singleShot(0, this, &CVantorDlg::CloseCommand); }, Qt::SingleShotConnection);
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

void CVantorDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CVantorDlg::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile());
  }
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  // The drop is the user's choice of what to play, like the open-file dialog.
  if (playback_->loadPending()) return;
  playlist_->OpenFiles(files);
}

// The map window comes back with the main window while it is meant to be open.
void CVantorDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) maps_->WindowActivated();
  QDialog::changeEvent(event);
}

void CVantorDlg::closeEvent(QCloseEvent* event) {
  if (playback_->closed()) {
    event->accept();
    return;
  }
  event->ignore();  // the close command ends the dialog once the players are down
  CloseCommand();
}

void CVantorDlg::reject() {
  // Escape (and the window manager's close) go through the close command, which stops
  // the players before their windows go.
  if (playback_->closed()) {
    QDialog::reject();
    return;
  }
  CloseCommand();
}

QWidget* CVantorDlg::control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

QAbstractButton* CVantorDlg::button(int id) const { return qobject_cast<QAbstractButton*>(control(id)); }

QLabel* CVantorDlg::label(int id) const { return qobject_cast<QLabel*>(control(id)); }

}  // namespace direvovu::gui
