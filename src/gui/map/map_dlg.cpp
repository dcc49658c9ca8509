#include "gui/map/map_dlg.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <cstdio>

#include "core/display/capture_names.h"
#include "core/map/map_page.h"
#include "core/map/page_calls.h"
#include "core/settings/texts.h"
#include "gui/controls/picture_capture.h"
#include "gui/controls/show_message.h"
#include "gui/map/map_scheme_handler.h"
#include "gui/map/web_browser.h"
#include "gui/map/web_engine.h"
#include "gui/skin/skin.h"

namespace direvovu::gui {
namespace {

constexpr QRect kBrowserArea(5, 5, 535, 520);
constexpr QRect kHiddenBrowser(5, 5, 1, 1);
constexpr QColor kTextColour(32, 0, 32);

struct ButtonPlace {
  int id;
  int tooltip_row;
  QRect rect;
};
// Centred under the map, wide enough for "Снимок карты" and "Capturar Mapa".
constexpr ButtonPlace kButtons[] = {
    {CMapDlg::kRefreshId, rows::main_window::kRefresh, QRect(117, 535, 100, 30)},
    {CMapDlg::kCaptureId, rows::main_window::kMapCapture, QRect(222, 535, 100, 30)},
    {CMapDlg::kPrintId, rows::main_window::kPrintScreen, QRect(327, 535, 100, 30)},
};

QString TextOf(TextTable table, int row) {
  const std::string_view text = Text(table, row);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CMapDlg::CMapDlg(WorkingFolders folders, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), folders_(std::move(folders)), prompts_(prompts), page_(this) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(false);
  BuildControls();
  resize(550, 620);
  CentreOnScreen();
  RefreshTexts();
  // A new load makes the old page's functions gone until the new page attaches.
  connect(browser_, &CWebBrowser20::loadStarted, &page_, &CWebPage::Detach);
  connect(browser_, &CWebBrowser20::documentComplete, this, &CMapDlg::DocumentComplete);
  connect(&page_, &CWebPage::attachFinished, this, &CMapDlg::AttachFinished);
  ShowMapPage();
}

void CMapDlg::BuildControls() {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::Button, Qt::white);
  colours.setColor(QPalette::WindowText, kTextColour);
  colours.setColor(QPalette::ButtonText, kTextColour);
  setPalette(colours);
  browser_ = new CWebBrowser20(this);
  browser_->setObjectName(QStringLiteral("browser%1").arg(kBrowserId));
  browser_->setGeometry(kBrowserArea);
  for (const ButtonPlace& place : kButtons) {
    auto* button = new QPushButton(this);
    button->setGeometry(place.rect);
    button->setAutoDefault(false);
    buttons_[place.id] = button;
  }
  connect(buttons_[kRefreshId], &QPushButton::clicked, this, [this] { ClearMapOverlay(); });
  connect(buttons_[kCaptureId], &QPushButton::clicked, this, [this] { CaptureMap(); });
  connect(buttons_[kPrintId], &QPushButton::clicked, this, [this] {
    PrintTarget target;
    target.prompts = &prompts_;
    PrintMap(target);
  });
}

void CMapDlg::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

QPushButton* CMapDlg::button(int id) const {
  const auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void CMapDlg::RefreshTexts() {
  setWindowTitle(TextOf(TextTable::MapWindow, rows::map_window::kTitle));
  for (const ButtonPlace& place : kButtons)
    buttons_[place.id]->setText(TextOf(TextTable::MainWindow, place.tooltip_row));
}

void CMapDlg::ApplyTileSetting() {
  tiles_ = map::ReadTileSettings(folders_);
  if (!tiles_.warning.empty() && tiles_.warning != last_warning_) {
    std::fprintf(stderr, "direvovu: %s; using %s\n", tiles_.warning.c_str(),
                 std::string(map::kDefaultTileUrl).c_str());
  }
  last_warning_ = tiles_.warning;
  MapScheme().SetTileSource(tiles_);
}

bool CMapDlg::WorksOffline() const { return tiles_.IsLocal(); }

void CMapDlg::ShowMapPage() {
  ApplyTileSetting();
  browser_->setGeometry(kBrowserArea);
  page_.Detach();
  const int language = CurrentLanguage();
  const std::string url =
      map::PageUrl(language, map::PageWindow::Map, map::DefaultCentre(language, map::PageWindow::Map));
  browser_->Navigate(QString::fromStdString(url));
}

void CMapDlg::DocumentComplete(bool ok) {
  if (!ok) {
    page_.Detach();
    page_.AttachDocument(nullptr);
    PageFailed();
    return;
  }
  emit pageLoaded();
  if (open_) show();
  if (!page_.AttachDocument(browser_->Document())) PageFailed();
}

void CMapDlg::AttachFinished(bool ok) {
  if (!ok) {
    PageFailed();
    return;
  }
  failure_shown_ = false;
  emit pageReady(true);
}

// Message 31 once per run of failures: the page timer may retry, the message need not.
void CMapDlg::PageFailed() {
  emit pageReady(false);
  if (failure_shown_) return;
  failure_shown_ = true;
  ShowMessage(prompts_, msg::kFailFetchPage);
}

bool CMapDlg::SetMapPoint(const TrackState& track, bool mark_route) {
  const auto call = map::MapPointCall(track.currentLatitude, track.currentLongitude, mark_route);
  return call && page_.Call(*call);
}

bool CMapDlg::ClearMapOverlay() { return page_.Call(map::NoDataCall("clear_overlay")); }

void CMapDlg::SetBrowserVisible(bool visible) {
  browser_->setGeometry(visible ? kBrowserArea : kHiddenBrowser);
  if (visible) offline_ = false;
  update();
}

void CMapDlg::ShowOfflinePicture() {
  offline_ = true;
  update();
}

void CMapDlg::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (offline_) painter.drawPixmap(kBrowserArea, Skin::Pixmap(Skin::OfflineMapName(CurrentLanguage())));
}

void CMapDlg::accept() {
  open_ = false;
  QDialog::accept();
}

void CMapDlg::reject() {
  hide();
  open_ = false;
  QDialog::reject();
}

}  // namespace direvovu::gui
