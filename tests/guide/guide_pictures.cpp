// The guide's pictures, from the real viewer on the demo card: each window cropped from the
// screen (an X server such as Xvfb), in English, with the demo's recordings in the play
// list, a local tile folder credited as what it is and a local address service that
// answers for the demo's city (Lisbon).
//   guide_pictures OUT_FOLDER DEMO_CARD
// The working root is the viewer's ($DIREVOVU_ROOT, else ~/DirevOvu); DIREVOVU_DRIVES
// should name the demo card as drive E:.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../gui/address_server.h"
#include "../gui/map_test_support.h"
#include "core/app/main_window_layout.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/channel_full_screen.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/library_controller.h"
#include "gui/app/map_follower.h"
#include "gui/app/pair_playback.h"
#include "gui/app/picture_zoom.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/msg_box.h"
#include "gui/library/library_dlg.h"
#include "gui/map/map_dlg.h"
#include "gui/map/router_dlg.h"
#include "gui/map/web_engine.h"
#include "gui/sdcard/file_copy_dialog.h"
#include "gui/sdcard/sd_download_dialog.h"
#include "platform/working_root.h"
#include "player/channel_player.h"

namespace {

namespace fs = std::filesystem;
using direvovu::Channel;
using direvovu::WorkingFolders;
using direvovu::gui::CVantorDlg;
using direvovu::test::AddressServer;

// The middle of the demo's drive through Lisbon.
constexpr double kCityLatitude = 38.7150;
constexpr double kCityLongitude = -9.1450;

bool Await(const std::function<bool()>& done, int limit_ms = 30000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limit_ms) return false;
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

void Wait(int ms) {
  QElapsedTimer clock;
  clock.start();
  Await([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

// The neighbourhoods of the drive, north to south, as the address service names them.
QByteArray Neighbourhood(double latitude) {
  if (latitude > 38.7200) return "Santo António";
  if (latitude > 38.7120) return "Misericórdia";
  return "Santa Maria Maior";
}

AddressServer::Answer LisbonAnswer(const QByteArray& target) {
  const double latitude = AddressServer::QueryValue(target, "lat").toDouble();
  AddressServer::Answer answer;
  answer.body =
      "<?xml version=\"1.0\" "
      "encoding=\"UTF-8\"?><reversegeocode><result>Lisboa</result><addressparts><suburb>" +
      Neighbourhood(latitude) +
      "</suburb><county>Lisboa</county><state>Lisboa</state><country>Portugal</country>"
      "</addressparts></reversegeocode>";
  return answer;
}

// The real dialogs, but for the file questions, which the guide answers itself.
class GuidePrompts final : public direvovu::gui::IPrompts {
 public:
  void SetParent(QWidget* parent) { real_.SetParent(parent); }
  void AnswerFiles(QStringList files) { files_ = std::move(files); }

  bool Message(const direvovu::gui::MessageRequest& request) override { return real_.Message(request); }
  bool Password(const direvovu::PasswordQuestion& question) override { return real_.Password(question); }
  QStringList ChooseFiles(const QString& title, const QString& start, const QString& filter,
                          direvovu::gui::FilePick pick) override {
    return files_.isEmpty() ? real_.ChooseFiles(title, start, filter, pick) : files_;
  }
  QString ChooseFolder(const QString& title, const QString& start) override {
    return real_.ChooseFolder(title, start);
  }
  bool ChoosePrinter(QPrinter& printer) override { return real_.ChoosePrinter(printer); }
  void Alert(const QString& text) override { real_.Alert(text); }
  bool ConfirmFormat(const direvovu::gui::FormatQuestion& question) override {
    return real_.ConfirmFormat(question);
  }

 private:
  direvovu::gui::DialogPrompts real_;
  QStringList files_;
};

class Guide {
 public:
  Guide(fs::path out, fs::path demo) : out_(std::move(out)), demo_(std::move(demo)) {}

  int Run();

 private:
  void PrepareRoot();
  bool StartViewer();
  void Shoot(QWidget* window, const char* name);
  // Opens a window with `open` (which may wait in a modal loop of its own), lets `prepare`
  // fill it, takes its picture and closes it, or hands it to `then`.
  void ShootWindowOpenedBy(const std::function<void()>& open, const char* name,
                           const std::function<void(QWidget*)>& prepare = {},
                           const std::function<void(QWidget*)>& then = {});
  void CardDownload();
  void Library();
  void FullScreenAndKeys();
  void MainWindowAndMap();
  void Dialogs();
  void RouteWindow();

  fs::path out_;
  fs::path demo_;
  WorkingFolders folders_{direvovu::platform::WorkingRoot()};
  AddressServer server_{LisbonAnswer};
  GuidePrompts prompts_;
  std::unique_ptr<CVantorDlg> window_;
  int failures_ = 0;
};

void Guide::PrepareRoot() {
  direvovu::CreateWorkingFolders(folders_);
  const fs::path tiles = folders_.root / "GuideTiles";
  for (int zoom = 13; zoom <= 17; ++zoom)
    direvovu::test::WriteTileFolder(tiles, zoom, kCityLatitude, kCityLongitude, 4);
  std::ofstream(folders_.settings_file(), std::ios::binary)
      << "[VIEWER_SETUP]\r\nLANGUAGE=1\r\nMARK_ROUTE_ONOFF=1\r\nMAP_TILE_URL=" << tiles.string()
      << "\r\nMAP_TILE_ATTRIBUTION=Plain street plan drawn for this guide (no map data)"
      << "\r\nADDRESS_SERVICE_KIND=nominatim\r\nADDRESS_SERVICE_URL=" << server_.baseUrl().toStdString()
      << "\r\n";
}

bool Guide::StartViewer() {
  window_ = std::make_unique<CVantorDlg>(
      folders_,
      [](Channel channel) {
        return std::make_unique<direvovu::ChannelPlayer>(channel, QStringList{"--aout=dummy"});
      },
      prompts_);
  prompts_.SetParent(window_.get());
  std::string error;
  if (!window_->Initialise(&error)) {
    std::fprintf(stderr, "guide_pictures: %s\n", error.c_str());
    return false;
  }
  window_->maps().SetConnectivityProbe([] { return true; });
  window_->move(0, 0);
  window_->show();
  return Await([&] { return window_->isVisible(); });
}

void Guide::Shoot(QWidget* window, const char* name) {
  if (window == nullptr) {
    std::fprintf(stderr, "guide_pictures: no window for %s\n", name);
    ++failures_;
    return;
  }
  window->raise();
  window->activateWindow();
  Wait(600);
  const QRect area = window->frameGeometry();
  const QPixmap picture = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  const QString file = QString::fromStdString((out_ / name).string());
  if (!picture.save(file)) {
    std::fprintf(stderr, "guide_pictures: %s not saved\n", qPrintable(file));
    ++failures_;
    return;
  }
  std::printf("%s: %dx%d\n", name, picture.width(), picture.height());
}

void Guide::ShootWindowOpenedBy(const std::function<void()>& open, const char* name,
                                const std::function<void(QWidget*)>& prepare,
                                const std::function<void(QWidget*)>& then) {
  std::set<QWidget*> before;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) before.insert(w);
  bool shot = false;
  auto* poll = new QTimer(window_.get());
  // The card search's own notice comes and goes first: it is not the window wanted.
  const auto wanted = [](QWidget* w) {
    return w != nullptr && qobject_cast<direvovu::gui::CMsgBox*>(w) == nullptr;
  };
  QObject::connect(poll, &QTimer::timeout, [&, poll] {
    QWidget* opened = QApplication::activeModalWidget();
    if (!wanted(opened)) {
      opened = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && before.count(w) == 0 && wanted(w)) opened = w;
    }
    if (opened == nullptr || shot) return;
    poll->stop();
    shot = true;
    if (prepare) prepare(opened);
    Shoot(opened, name);
    if (then) {
      then(opened);
    } else {
      opened->close();
    }
  });
  poll->start(100);
  open();
  if (!Await([&] { return shot; })) {
    std::fprintf(stderr, "guide_pictures: nothing opened for %s\n", name);
    ++failures_;
  }
  poll->deleteLater();
  Wait(300);
}

void Guide::MainWindowAndMap() {
  QStringList fronts;
  for (const auto& entry : fs::recursive_directory_iterator(demo_)) {
    const std::string file = entry.path().filename().string();
    if (file.starts_with("drf0_") && file.ends_with(".mp4") && file.find("_081700") == std::string::npos)
      fronts.push_back(QString::fromStdString(entry.path().string()));
  }
  fronts.sort();
  bool started = false;
  QObject::connect(window_.get(), &CVantorDlg::playbackStarted, [&] { started = true; });
  window_->OpenFiles(fronts);
  if (!Await([&] { return started; })) {
    std::fprintf(stderr, "guide_pictures: the demo's first recording did not play\n");
    ++failures_;
    return;
  }
  window_->maps().MapCommand();
  direvovu::gui::CMapDlg* map = window_->maps().mapWindow();
  if (map != nullptr) {
    direvovu::test::WaitForPage(*map);
    map->move(window_->frameGeometry().right() + 8, 0);
  }
  Wait(9000);  // the route drawn so far, the graphs filled
  window_->PauseCommand();
  Shoot(window_.get(), "main-window.png");
  Shoot(map, "map.png");
  if (map != nullptr) map->close();
}

void Guide::Dialogs() {
  const auto click = [this](int id) { return [this, id] { window_->button(id)->click(); }; };
  ShootWindowOpenedBy(click(direvovu::ctl::kViewerSetup), "viewer-setup.png");
  ShootWindowOpenedBy(click(direvovu::ctl::kSetup), "camera-setup.png");
  ShootWindowOpenedBy(click(direvovu::ctl::kPassword), "card-password.png");
  ShootWindowOpenedBy(click(direvovu::ctl::kDetailSearch), "detail-search.png");
  ShootWindowOpenedBy(click(direvovu::ctl::kEventLog), "event-report.png");
  ShootWindowOpenedBy(click(direvovu::ctl::kExport), "export-dialog.png");
}

// The card's download window, then a verified download of the whole demo card into the
// download folder, pictured when the copy window counts what it did.
void Guide::CardDownload() {
  ShootWindowOpenedBy([this] { window_->button(direvovu::ctl::kSdDownload)->click(); }, "sd-download.png", {},
                      [this](QWidget* opened) {
                        auto* card = qobject_cast<direvovu::gui::CSDDownLoad*>(opened);
                        if (card == nullptr) return;
                        QPushButton* download = card->downloadButton();
                        card->radio(0, 0)->click();  // download: on
                        card->radio(1, 1)->click();  // the play list stays as it is
                        ShootWindowOpenedBy(
                            [download] { download->click(); }, "file-copy.png",
                            [](QWidget* copy) {
                              auto* dialog = qobject_cast<direvovu::gui::CFileCopy*>(copy);
                              Await([dialog] {
                                return dialog == nullptr ||
                                       dialog->state() == direvovu::gui::CFileCopy::State::Finished;
                              });
                            },
                            [](QWidget* copy) {
                              if (auto* dialog = qobject_cast<direvovu::gui::CFileCopy*>(copy))
                                dialog->button()->click();
                            });
                        opened->close();
                      });
}

// The library over the demo card, scanned from the window as a driver adds a folder.
void Guide::Library() {
  window_->library().OpenWindow();
  direvovu::gui::CLibraryDlg* library = window_->library().window();
  if (library == nullptr) {
    std::fprintf(stderr, "guide_pictures: the library did not open\n");
    ++failures_;
    return;
  }
  bool scanned = false;
  QObject::connect(library, &direvovu::gui::CLibraryDlg::scanFinished, [&] { scanned = true; });
  library->AddFolder(demo_);
  Await([&] { return scanned; }, 60000);
  Wait(3000);  // the routes drawn on the page
  Shoot(library, "library.png");
  library->close();
}

// The front full screen, zoomed 4 times on the camera's own line of text, and the sheet
// of keys.
void Guide::FullScreenAndKeys() {
  window_->ToggleFullScreen(true);
  Wait(1500);
  direvovu::gui::PictureZoom* zoom = window_->zoom(true);
  QWidget* large = window_->fullScreen() != nullptr ? window_->fullScreen()->large() : nullptr;
  if (zoom != nullptr && large != nullptr) {
    constexpr int kStepsTo4x = 8;  // quarter octaves
    zoom->ZoomAt(kStepsTo4x, QPoint(large->width() / 5, large->height() * 97 / 100));
  }
  Wait(2000);
  Shoot(window_->fullScreen(), "full-screen-zoom.png");
  if (zoom != nullptr) zoom->Reset();
  window_->ToggleFullScreen(true);
  Wait(800);
  window_->KeySheetCommand();
  Wait(500);
  Shoot(window_->keySheet(), "key-sheet.png");
  if (window_->keySheet() != nullptr) window_->keySheet()->close();
}

void Guide::RouteWindow() {
  window_->maps().RouteCommand();
  direvovu::gui::CRouter* route = window_->maps().routeWindow();
  if (route == nullptr) {
    std::fprintf(stderr, "guide_pictures: the route window did not open\n");
    ++failures_;
    return;
  }
  bool ready = false;
  QObject::connect(route, &direvovu::gui::CRouter::pageReady, [&] { ready = true; });
  Await([&] { return ready; });
  // The switches' notices ("Driving time will be displayed.") are answered as a driver would.
  QTimer notices;
  QObject::connect(&notices, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<direvovu::gui::CMsgBox*>(QApplication::activeModalWidget()))
      box->okButton()->click();
  });
  notices.start(300);
  prompts_.AnswerFiles({QString::fromStdString((demo_ / "Setup" / "drive_log.dat").string())});
  route->OpenDrivingLog();
  if (route->trips().size() > 1) {
    // The second day: the first one's log has a GPS jump in it, which is not the point here.
    route->tripList()->setCurrentItem(route->tripList()->topLevelItem(1));
    route->SelectTrip();
    Wait(1500);
    route->speedList()->setCurrentIndex(3);
    route->SetTimeSwitch(true);
    route->StartTracing();
    const auto& trip = route->trips()[1];
    const int half = (trip.endIndex - trip.startIndex) / 2;
    Await([&] { return route->trace().progress >= half; }, 60000);
    route->PauseTracing();
  }
  Wait(1500);  // the tiles and the address of the paused point
  Shoot(route, "route-window.png");
  route->close();
}

int Guide::Run() {
  fs::create_directories(out_);
  if (!server_.listening()) return 2;
  PrepareRoot();
  if (!StartViewer()) return 2;
  MainWindowAndMap();
  FullScreenAndKeys();
  Dialogs();
  CardDownload();
  Library();
  RouteWindow();
  window_->CloseCommand();
  Await([&] { return window_->playback().closed(); }, 10000);
  return failures_ == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  direvovu::gui::PrepareWebEngine();  // the map page's scheme, before the application
  QApplication app(argc, argv);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  if (argc < 3) {
    std::fprintf(stderr, "usage: guide_pictures OUT_FOLDER DEMO_CARD\n");
    return 2;
  }
  Guide guide(argv[1], argv[2]);
  return guide.Run();
}
