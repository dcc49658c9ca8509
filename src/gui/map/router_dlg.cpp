// The route window: its controls, texts, colours and page.
#include "gui/map/router_dlg.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include "core/map/map_page.h"
#include "core/map/route_window_layout.h"
#include "core/map/tile_source.h"
#include "core/settings/texts.h"
#include "core/setup/camera_settings.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/show_message.h"
#include "gui/controls/skin_button.h"
#include "gui/map/map_scheme_handler.h"
#include "gui/map/web_browser.h"
#include "gui/map/web_engine.h"
#include "gui/skin/skin.h"
#include "platform/address_lookup.h"
#include "platform/drive_table.h"

namespace direvovu::gui {
namespace {

namespace ctl = map::route_ctl;

constexpr QColor kHeadingBack(164, 190, 212);
constexpr QColor kValueBack(255, 255, 255);
constexpr QColor kOtherBack(220, 226, 228);
constexpr QColor kListBack(231, 231, 231);
constexpr int kDragRows = 750;  // the window follows a drag that starts this high

QRect RectOf(const map::Rect& r) { return {r.left, r.top, r.width, r.height}; }

QString TextOf(TextTable table, int row, int language) {
  const std::string_view text = Text(table, row, language);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Colour(QWidget* widget, const QColor& back) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, back);
  colours.setColor(QPalette::WindowText, Qt::black);
  colours.setColor(QPalette::Base, back);
  colours.setColor(QPalette::Text, Qt::black);
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
}

QColor BackOf(map::StaticKind kind) {
  switch (kind) {
    case map::StaticKind::Heading:
      return kHeadingBack;
    case map::StaticKind::Value:
      return kValueBack;
    default:
      return kOtherBack;
  }
}

}  // namespace

CRouter::CRouter(WorkingFolders folders, ICardFinder& card, IPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      folders_(std::move(folders)),
      card_(card),
      prompts_(prompts),
      language_(CurrentLanguage()),
      page_(this) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setModal(false);
  setFixedSize(map::kRouteWindowWidth, map::kRouteWindowHeight);
  page_caller_ = [this](const map::PageCall& call) { return page_.Call(call); };
  BuildControls();
  CentreOnScreen();
  ReadCardOwner();
  ConnectControls();
  RenewAddressLookup();
  RefreshLabels();
  ShowMapPage();
}

CRouter::~CRouter() = default;

void CRouter::BuildControls() {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kOtherBack);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  browser_ = new CWebBrowser20(this);
  browser_->setObjectName(QStringLiteral("browser%1").arg(ctl::kBrowser));
  browser_->setGeometry(RectOf(map::kRouteBrowserRect));
  BuildButtons();
  BuildStatics();
  BuildList();
  BuildTracingControls();
  draw_timer_ = new QTimer(this);
  draw_timer_->setSingleShot(true);
  trace_timer_ = new QTimer(this);
}

void CRouter::BuildButtons() {
  for (const map::RouteButton& place : map::RouteButtons()) {
    const QSize size(place.rect.width, place.rect.height);
    auto* button = new SkinButton(Skin::Button(QString::fromLatin1(place.icon), size), this);
    button->setObjectName(QStringLiteral("button%1").arg(place.id));
    button->move(place.rect.left, place.rect.top);
    button->setVisible(!place.hidden_at_start);
    buttons_[place.id] = button;
  }
}

void CRouter::BuildStatics() {
  for (const map::RouteStatic& place : map::RouteStatics()) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("static%1").arg(place.id));
    label->setGeometry(RectOf(place.rect));
    Colour(label, BackOf(place.kind));
    label->setIndent(4);
    if (place.kind == map::StaticKind::Heading) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
    labels_[place.id] = label;
  }
  labels_[ctl::kCaption]->setAutoFillBackground(false);
}

void CRouter::BuildList() {
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("list%1").arg(ctl::kTripList));
  list_->setGeometry(RectOf(map::kRouteListRect));
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setColumnCount(static_cast<int>(map::RouteListColumns().size()));
  int column = 0;
  for (const map::RouteColumn& c : map::RouteListColumns()) list_->setColumnWidth(column++, c.width);
  list_->header()->setDefaultAlignment(Qt::AlignCenter);
  list_->header()->setStretchLastSection(false);
  Colour(list_, kListBack);
}

void CRouter::BuildTracingControls() {
  speed_list_ = new QComboBox(this);
  speed_list_->setObjectName(QStringLiteral("combo%1").arg(ctl::kSpeedList));
  speed_list_->setGeometry(RectOf(map::kRouteSpeedListRect));
  for (int i = 0; i < map::kTracingSpeedCount; ++i)
    speed_list_->addItem(QString::fromLatin1(map::TracingSpeedText(i)));
  speed_list_->setCurrentIndex(static_cast<int>(map::TracingSpeed::Normal));
  slider_ = new CBitmapSlider(this);
  slider_->setObjectName(QStringLiteral("slider%1").arg(ctl::kSlider));
  slider_->setGeometry(RectOf(map::kRouteSliderRect));
  slider_->SetBitmapChannel(Skin::Pixmap(QStringLiteral("route_slider_channel")),
                            Skin::Pixmap(QStringLiteral("route_slider_channel_active")));
  slider_->SetBitmapThumb(Skin::Pixmap(QStringLiteral("slider_thumb")),
                          Skin::Pixmap(QStringLiteral("slider_thumb_active")));
  slider_->SetRange(0, 100);
  slider_->SetPos(0);
}

void CRouter::ConnectControls() {
  const auto on = [this](int id, auto handler) {
    connect(buttons_[id], &QAbstractButton::clicked, this, handler);
  };
  on(ctl::kOpen, [this] { OpenDrivingLog(); });
  on(ctl::kCapture, [this] { CaptureWindow(); });
  on(ctl::kPrint, [this] {
    PrintTarget target;
    target.prompts = &prompts_;
    PrintWindow(target);
  });
  on(ctl::kClose, [this] { CloseWindow(); });
  on(ctl::kPlay, [this] { StartTracing(); });
  on(ctl::kPause, [this] { PauseTracing(); });
  on(ctl::kTimeOn, [this] { SetTimeSwitch(true); });
  on(ctl::kTimeOff, [this] { SetTimeSwitch(false); });
  on(ctl::kMarkerOn, [this] { SetMarkerSwitch(true); });
  on(ctl::kMarkerOff, [this] { SetMarkerSwitch(false); });
  connect(list_, &QTreeWidget::itemClicked, this, [this] { SelectTrip(); });
  connect(speed_list_, &QComboBox::currentIndexChanged, this, [this](int index) { SetTracingSpeed(index); });
  connect(slider_, &CBitmapSlider::moving, this, [this] {
    if (selected_trip_ < 0) slider_->SetPos(0);
  });
  connect(slider_, &CBitmapSlider::moved, this, [this](int position) { SeekTrip(position); });
  connect(draw_timer_, &QTimer::timeout, this, [this] { DrawSelectedTrip(); });
  connect(trace_timer_, &QTimer::timeout, this, [this] { TracingTick(); });
  connect(browser_, &CWebBrowser20::loadStarted, &page_, &CWebPage::Detach);
  connect(browser_, &CWebBrowser20::documentComplete, this, &CRouter::DocumentComplete);
  connect(&page_, &CWebPage::attachFinished, this, &CRouter::AttachFinished);
}

// Centred on the screen, 20 pixels higher.
void CRouter::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2 - 20);
}

// The driver and the car as the camera's setup names them; empty without a card.
void CRouter::ReadCardOwner() {
  driver_name_.clear();
  car_number_.clear();
  if (card_.CardLetter() == 0) return;
  const auto drive = DriveByLetter(platform::CurrentDrives(), card_.CardLetter());
  if (!drive) return;
  const CameraSettings setup = ReadCameraSettings(drive->root / "Setup" / kCameraSettingsFile);
  driver_name_ = Utf8(setup.driver);
  car_number_ = Utf8(setup.car_no);
}

QAbstractButton* CRouter::button(int id) const {
  const auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

QLabel* CRouter::label(int id) const {
  const auto it = labels_.find(id);
  return it == labels_.end() ? nullptr : it->second;
}

QString CRouter::labelText(int id) const {
  const QLabel* shown = label(id);
  return shown == nullptr ? QString() : shown->text();
}

void CRouter::RefreshLabels() {
  for (const map::RouteStatic& place : map::RouteStatics()) {
    if (place.row >= 0) labels_[place.id]->setText(TextOf(TextTable::DrivingLog, place.row, language_));
  }
  labels_[ctl::kCaption]->setText(
      TextOf(TextTable::MainWindow, rows::main_window::kGpsTracerMode, language_));
  setWindowTitle(labels_[ctl::kCaption]->text());
  const QString distance = QString::fromStdString(map::DistanceUnitLabel(language_));
  const QString speed = QString::fromStdString(map::SpeedUnitLabel(language_));
  labels_[ctl::kDistanceUnit]->setText(distance);
  labels_[ctl::kAverageUnit]->setText(speed);
  labels_[ctl::kMaximumUnit]->setText(speed);
  labels_[ctl::kDrivingTimeUnit]->setText(QStringLiteral("hh:mm:ss"));
  labels_[ctl::kStoppedTimeUnit]->setText(QStringLiteral("hh:mm:ss"));
  QStringList headings;
  for (const map::RouteColumn& c : map::RouteListColumns())
    headings << TextOf(TextTable::RecordingKinds, c.row, language_);
  list_->setHeaderLabels(headings);
  for (const map::RouteButton& place : map::RouteButtons())
    buttons_[place.id]->setToolTip(TextOf(TextTable::MainWindow, place.tooltip_row, language_));
  ShowTripInfo();
}

void CRouter::RetranslateTexts(int language) {
  language_ = language < 0 || language >= kLanguageCount ? kDefaultLanguage : language;
  RefreshLabels();
  if (isVisible()) {
    ShowMapPage();
  } else {
    flags_.reload_mark = true;
  }
}

void CRouter::ShowMapPage() {
  flags_.reload_mark = false;
  MapScheme().SetTileSource(map::ReadTileSettings(folders_));
  page_.Detach();
  const std::string url =
      map::PageUrl(language_, map::PageWindow::Route, map::DefaultCentre(language_, map::PageWindow::Route));
  browser_->Navigate(QString::fromStdString(url));
}

void CRouter::DocumentComplete(bool ok) {
  if (!ok || !page_.AttachDocument(browser_->Document())) {
    page_.Detach();
    emit pageReady(false);
    ShowMessage(prompts_, msg::kFailFetchPage);
    if (flags_.open && !isVisible()) {
      // Never shown: the press that opened it is over, and the next one loads again.
      flags_.open = false;
      flags_.reload_mark = true;
      emit closed();
    }
    return;
  }
  flags_.ever_loaded = true;
  emit pageLoaded();
  if (flags_.open) show();
}

void CRouter::AttachFinished(bool ok) {
  if (!ok) ShowMessage(prompts_, msg::kFailFetchPage);
  emit pageReady(ok);
}

bool CRouter::CallPage(const map::PageCall& call) { return page_caller_ && page_caller_(call); }

void CRouter::ShowOneOf(int shown, int hidden) {
  buttons_[hidden]->hide();
  buttons_[shown]->show();
}

void CRouter::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, Skin::Pixmap(QStringLiteral("route_background")));
}

void CRouter::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->position().y() <= kDragRows)
    drag_offset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
  QDialog::mousePressEvent(event);
}

void CRouter::mouseMoveEvent(QMouseEvent* event) {
  if (drag_offset_ && (event->buttons() & Qt::LeftButton))
    move(event->globalPosition().toPoint() - *drag_offset_);
  QDialog::mouseMoveEvent(event);
}

void CRouter::mouseReleaseEvent(QMouseEvent* event) {
  drag_offset_.reset();
  QDialog::mouseReleaseEvent(event);
}

// Escape hides the window and keeps its state.
void CRouter::reject() {
  flags_.open = false;
  hide();
  QDialog::reject();
}

}  // namespace direvovu::gui
