// The texts of every window fit their room in all seven languages: button captions, list
// headings, labels and list cells, and the texts a window paints itself. A translation
// that is a few letters too long is cut off or elided, and nobody sees it until a user
// of that language opens the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../core/driving_log_bytes.h"
#include "core/map/obd_report.h"
#include "core/settings/texts.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/card_finder.h"
#include "gui/controls/msg_box.h"
#include "gui/controls/sd_drive_dialog.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"
#include "gui/export/export_dialog.h"
#include "gui/map/car_info.h"
#include "gui/map/car_info_skin.h"
#include "gui/map/map_dlg.h"
#include "gui/map/router_dlg.h"
#include "gui/recording/password_dialogs.h"
#include "gui/recording/sd_password_dialog.h"
#include "gui/reports/event_dlg.h"
#include "gui/reports/program_info.h"
#include "gui/sdcard/file_copy_dialog.h"
#include "gui/sdcard/sd_download_dialog.h"
#include "gui/setup/detail_search_dialog.h"
#include "gui/setup/env_set_dialog.h"
#include "gui/setup/user_setup_dialog.h"
#include "gui/skin/skin_painter.h"
#include "platform/drive_format.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"
#include "text_fit_support.h"

namespace direvovu::test {
namespace {

// The route window looks for no card: the machine's own drives stay out of the check.
class NoCard : public gui::ICardFinder {
 public:
  [[nodiscard]] char CardLetter() const override { return 0; }
  char SearchCard() override { return 0; }
  char SearchCardReportingMissing() override { return 0; }
};

// One front recording of each kind, as the play list and the card list show them.
const char* const kRecordingOfEachKind[] = {
    "Blackbox/20261208/drf0_20261208_081500.mp4",
    "Event/drf0_20261208_081605.mp4",
    "Parking/drf0_20261208_214000.mp4",
    "Parking/e.1/drf0_20261208_223000.mp4",
};

// What the windows are built over: a working root that reaches nothing outside, a card
// with a recording of every kind, an event, a firmware version and a driving log of one
// trip, and prompts that show nothing.
struct WindowContext {
  WindowContext() {
    CreateWorkingFolders(folders);
    std::ofstream(folders.settings_file(), std::ios::binary)
        << "[VIEWER_SETUP]\r\nADDRESS_SERVICE_URL=\r\nMAP_TILE_URL=" << root.path().toStdString()
        << "/tiles\r\n";
    for (const char* recording : kRecordingOfEachKind) card.Put(recording, "front");
    card.Put("Event/drf0_20261208_081605.txt",
             "[Event1]\r\nDate=2026-12-08\r\nTime=08:16:07\r\nG_Sensor_X=1.25\r\nG_Sensor_Y=-0.31\r\n"
             "G_Sensor_Z=0.98\r\n");
    card.Put("Setup/ver.txt", "1.2.3");
    std::filesystem::create_directories(root.path().toStdString() + "/tiles");
    // North by 83 m every 10 s.
    LogBytes log;
    for (std::uint32_t step = 0; step < 6; ++step) {
      log.Add(Utc(2026, 12, 8, 9, 0, 0) + 10 * step, "3730." + std::to_string(1000 + 450 * step),
              "12700.0000", 300);
    }
    const std::vector<std::uint8_t>& bytes = log.bytes();
    card.Put("Setup/drive.dat", std::string(bytes.begin(), bytes.end()));
  }

  QTemporaryDir root;
  RecordingPrompts prompts;
  DriveList drives{{'E', root.path().toStdString() + "/card", true}, {'G', root.path().toStdString(), true}};
  WorkingFolders folders{root.path().toStdString() + "/DirevOvu"};
  // The card's list shows whole paths: this card's is no longer than a mounted card's.
  TestCard card{QDir::tempPath() + QStringLiteral("/sd")};
  DriveList card_drives{{'C', "/", false}, {'E', card.card(), true}};
  platform::SystemDriveFormatter formatter;
  NoCard no_card;
  DrivingData driving;
};

// A text a window paints itself into a fixed room.
struct PaintedText {
  QString where;
  QString text;
  QFont font;
  QRectF room;
};

struct WindowCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>(WindowContext&)> make;
  std::function<std::vector<PaintedText>()> painted = {};  // empty: the window paints no texts
};

// Every window with texts, built in the current language. A new window is one line.
const std::vector<WindowCase>& Windows() {
  static const std::vector<WindowCase> windows{
      {"main",
       [](WindowContext& c) {
         auto window = std::make_unique<gui::CVantorDlg>(c.folders, nullptr, c.prompts);
         std::vector<std::string> paths;
         for (const char* recording : kRecordingOfEachKind)
           paths.push_back("/card/" + std::string(recording));
         window->findChild<gui::PlaylistView*>()->AppendRows(paths);
         return window;
       }},
      {"question",
       [](WindowContext&) {
         auto box = std::make_unique<gui::CMsgBox>();
         box->setMessage(gui::MessageText(msg::kCantFormatSd, QStringLiteral("E:")));
         box->setButtons(true, true);
         return box;
       }},
      {"notice",
       [](WindowContext&) {
         auto box = std::make_unique<gui::CMsgBox>();
         box->setMessage(gui::MessageText(msg::kNoSdOrWriteProtected, QStringLiteral(" ")));
         return box;
       }},
      {"drive_chooser", [](WindowContext& c) { return std::make_unique<gui::CSDDrive>(c.drives, nullptr); }},
      {"password", [](WindowContext&) { return std::make_unique<gui::CInputPwd>(nullptr); }},
      {"password_again", [](WindowContext&) { return std::make_unique<gui::CReInputPwd>(nullptr); }},
      {"card_password",
       [](WindowContext& c) { return std::make_unique<gui::CInputSDPwd>('E', c.drives, c.prompts); }},
      {"viewer_setup",
       [](WindowContext& c) { return std::make_unique<gui::CEnvSet>(c.folders, 5, c.prompts, nullptr); }},
      {"camera_setup",
       [](WindowContext& c) {
         gui::UserSetupContext setup{
             'E', c.drives, -32400, [] { return CivilTime{2012, 3, 14, 9, 5, 7}; }, {}};
         return std::make_unique<gui::CUserSetup>(std::move(setup), c.prompts);
       }},
      {"detail_search",
       [](WindowContext& c) {
         gui::DetailSearchContext search{
             c.folders, c.drives[0].root, c.drives, nullptr, {2012, 3, 14, 0, 0, 0}};
         return std::make_unique<gui::CDetailSearch>(std::move(search), c.prompts);
       }},
      {"sd_download",
       [](WindowContext& c) {
         gui::SdDownloadContext download{WorkingFolders(c.card.root()), 'E', c.card_drives, false, nullptr};
         return std::make_unique<gui::CSDDownLoad>(std::move(download), c.prompts, c.formatter);
       }},
      // Its layout sizes it to its texts; it is measured once its copy of nothing ended.
      {"copy",
       [](WindowContext& c) {
         auto copy = std::make_unique<gui::CFileCopy>(DownloadPlan{}, c.prompts);
         QSignalSpy ended(copy.get(), &gui::CFileCopy::copyEnded);
         copy->Start();
         EXPECT_TRUE(ended.wait(5000));
         return copy;
       }},
      {"route",
       [](WindowContext& c) {
         auto route = std::make_unique<gui::CRouter>(c.folders, c.no_card, c.prompts);
         route->SetPageCaller([](const map::PageCall&) { return true; });
         EXPECT_TRUE(route->ParseDrivingLog(c.card.card() / "Setup/drive.dat"));
         EXPECT_EQ(route->trips().size(), 1U);
         route->DrawSelectedTrip();
         return route;
       }},
      {"map", [](WindowContext& c) { return std::make_unique<gui::CMapDlg>(c.folders, c.prompts); }},
      {"event_report",
       [](WindowContext& c) {
         gui::EventDlgContext report{WorkingFolders(c.card.root()), 'E', c.card_drives, nullptr,
                                     [] { return CivilTime{2026, 12, 9, 6, 5, 4}; }};
         return std::make_unique<gui::CEventDlg>(std::move(report), c.prompts);
       }},
      {"program_info",
       [](WindowContext& c) {
         return std::make_unique<gui::CProgramInfo>(gui::ProgramInfoContext{
             'E', c.card_drives, [](const std::filesystem::path&, bool) { return true; }});
       }},
      {"driving_info",
       [](WindowContext& c) {
         gui::CarInfoContext info{c.folders, &c.driving, [] { return false; },
                                  [] { return gui::ObdPlayPosition{}; }, [] {}};
         return std::make_unique<gui::CCarInfo>(std::move(info), c.prompts);
       },
       [] {
         return std::vector<PaintedText>{{QStringLiteral("tab strip"),
                                          gui::UiText(TextTable::MainWindow, rows::main_window::kObd),
                                          gui::CarInfoTitleFont(), gui::kCarInfoTitleRoom}};
       }},
      // Its longest texts: the refusal of a span, the time left, the end with the folder named.
      {"export",
       [](WindowContext& c) {
         auto window = std::make_unique<gui::CExportDialog>(c.prompts);
         window->Prepare(
             {"/card/Blackbox/20261208/drf0_20261208_081500.mp4", 60, {50, 40}, c.folders.export_folder()});
         window->exportButton()->click();
         return window;
       }},
      {"export_running",
       [](WindowContext& c) {
         auto window = std::make_unique<gui::CExportDialog>(c.prompts);
         window->Prepare(
             {"/card/Blackbox/20261208/drf0_20261208_081500.mp4", 60, {20, 40}, c.folders.export_folder()});
         window->ShowStarted();
         window->ShowProgress(0.42, 5999);
         return window;
       }},
      {"export_done",
       [](WindowContext& c) {
         auto window = std::make_unique<gui::CExportDialog>(c.prompts);
         window->Prepare(
             {"/card/Blackbox/20261208/drf0_20261208_081500.mp4", 60, {20, 40}, c.folders.export_folder()});
         window->ShowStarted();
         window->ShowDone(c.folders.export_folder() / "Incident_20261208_081520", true);
         return window;
       }},
  };
  return windows;
}

QString LanguageTag(int language) {
  static const char* const tags[] = {"ko", "en", "ja", "zh_hans", "ru", "zh_hant", "pt_br"};
  return QString::fromLatin1(tags[language]);
}

std::unique_ptr<QWidget> Shown(const WindowCase& window, WindowContext& context) {
  std::unique_ptr<QWidget> widget = window.make(context);
  widget->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
  QApplication::processEvents();
  return widget;
}

TEST(ButtonTexts, FitInEveryWindowAndLanguage) {
  WindowContext context;
  for (int language = 0; language < kLanguageCount; ++language) {
    LanguageScope scope(language);
    for (const WindowCase& window : Windows()) {
      const std::unique_ptr<QWidget> widget = Shown(window, context);
      std::vector<ClippedText> clipped = ClippedTexts(*widget);
      for (const PaintedText& painted : window.painted ? window.painted() : std::vector<PaintedText>{}) {
        if (auto paragraph = ClippedParagraph(painted.where, painted.text, painted.font, painted.room))
          clipped.push_back(*paragraph);
      }
      EXPECT_TRUE(clipped.empty()) << window.name << " in " << LanguageTag(language).toStdString() << ":\n"
                                   << Describe(clipped).toStdString();
    }
  }
}

// The offline map picture paints its two lines into boxes of fixed size.
TEST(ButtonTexts, OfflineMapLinesFitTheirBoxes) {
  namespace pt = rows::program_texts;
  const std::pair<int, gui::skin::TextBox> lines[] = {{pt::kOfflineHeadline, gui::skin::kOfflineHeadlineBox},
                                                      {pt::kOfflineDetail, gui::skin::kOfflineDetailBox}};
  for (int language = 0; language < kLanguageCount; ++language) {
    for (const auto& [row, box] : lines) {
      const auto clipped = ClippedParagraph(QStringLiteral("offline map row %1").arg(row),
                                            QString::fromUtf8(Text(TextTable::ProgramTexts, row, language)),
                                            gui::skin::TextBoxFont(box), box.room);
      if (clipped)
        ADD_FAILURE() << LanguageTag(language).toStdString() << ":\n" << Describe({*clipped}).toStdString();
    }
  }
  // The measure: the detail line does not fit the headline's one-line box.
  EXPECT_TRUE(ClippedParagraph(
                  {}, QString::fromUtf8(Text(TextTable::ProgramTexts, pt::kOfflineDetail, kRussian)),
                  gui::skin::TextBoxFont(gui::skin::kOfflineHeadlineBox), gui::skin::kOfflineHeadlineBox.room)
                  .has_value());
}

// The measure itself: a caption too wide for its button, radio or heading is found; the
// same caption at the size the style asks for is not.
TEST(ButtonTexts, ACaptionWiderThanItsRoomIsFound) {
  QDialog window;
  auto* narrow = new QPushButton(QStringLiteral("Форматировать"), &window);
  narrow->setGeometry(10, 10, 60, 27);
  auto* roomy = new QPushButton(QStringLiteral("Форматировать"), &window);
  roomy->setGeometry(QRect(QPoint(10, 50), roomy->sizeHint()));
  auto* hidden = new QPushButton(QStringLiteral("Selecionar Tudo"), &window);
  hidden->setGeometry(10, 90, 20, 27);
  hidden->hide();
  auto* list = new QTreeWidget(&window);
  list->setGeometry(10, 130, 300, 100);
  list->setHeaderLabels({QStringLiteral("NOME DO ARQUIVO"), QStringLiteral("Nº")});
  list->setColumnWidth(0, 40);
  list->setColumnWidth(1, 60);
  window.resize(400, 300);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const std::vector<ClippedText> clipped = ClippedTexts(window);
  ASSERT_EQ(clipped.size(), 2U) << Describe(clipped).toStdString();
  EXPECT_EQ(clipped[0].text, QStringLiteral("Форматировать"));
  EXPECT_GT(clipped[0].needed.width(), clipped[0].room.width());
  EXPECT_EQ(clipped[1].text, QStringLiteral("NOME DO ARQUIVO"));

  narrow->resize(narrow->sizeHint());
  list->setColumnWidth(0, 200);
  EXPECT_TRUE(ClippedTexts(window).empty()) << Describe(ClippedTexts(window)).toStdString();
}

// The measure of labels and cells: each case is a text too long for its room, then the
// same room grown to what the text needs.
TEST(ButtonTexts, ALabelOrCellWiderThanItsRoomIsFound) {
  struct Case {
    const char* what;
    std::function<QWidget*(QWidget&)> make;  // too small
    std::function<void(QWidget*)> grow;      // big enough
  };
  const QString text = QStringLiteral("Файлы событий на парковке");
  const Case cases[] = {
      {"label",
       [&](QWidget& w) {
         auto* label = new QLabel(text, &w);
         label->setGeometry(10, 10, 60, 22);
         return label;
       },
       [](QWidget* label) { label->resize(label->sizeHint().width(), 22); }},
      // The indent comes off the side the text is aligned to.
      {"indented label",
       [&](QWidget& w) {
         auto* label = new QLabel(text, &w);
         label->setIndent(8);
         label->setGeometry(10, 10, label->fontMetrics().horizontalAdvance(text) + 4, 22);
         return label;
       },
       [](QWidget* label) { label->resize(label->width() + 8, 22); }},
      {"wrapped label, one line high",
       [&](QWidget& w) {
         auto* label = new QLabel(text, &w);
         label->setWordWrap(true);
         label->setGeometry(10, 10, 100, label->fontMetrics().height() + 2);
         return label;
       },
       [](QWidget* label) { label->resize(100, label->heightForWidth(100)); }},
      {"list cell",
       [&](QWidget& w) {
         auto* list = new QTreeWidget(&w);
         list->setGeometry(10, 10, 380, 100);
         list->setRootIsDecorated(false);
         list->header()->setStretchLastSection(false);
         list->setHeaderLabels({QStringLiteral("Nº"), QStringLiteral("TIPO")});
         list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("   001"), text}));
         list->setColumnWidth(0, 60);
         list->setColumnWidth(1, 70);
         return list;
       },
       [](QWidget* list) {
         // The width the view itself asks for the column (public on the base class only).
         const auto* view = static_cast<const QAbstractItemView*>(list);
         static_cast<QTreeWidget*>(list)->setColumnWidth(1, view->sizeHintForColumn(1));
       }},
  };
  for (const Case& c : cases) {
    QDialog window;
    window.resize(400, 200);
    QWidget* widget = c.make(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::vector<ClippedText> clipped = ClippedTexts(window);
    ASSERT_EQ(clipped.size(), 1U) << c.what << "\n" << Describe(clipped).toStdString();
    EXPECT_EQ(clipped[0].text, text) << c.what;
    c.grow(widget);
    EXPECT_TRUE(ClippedTexts(window).empty()) << c.what << "\n"
                                              << Describe(ClippedTexts(window)).toStdString();
  }
}

// Pictures of the main window and of the dialogs with the most texts, in each language,
// for people to look at; the end-to-end script takes them on a real X server.
TEST(ButtonTextsScreenshots, MainWindowAndDialogsInEveryLanguage) {
  const QString out = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(out));
  WindowContext context;
  for (int language = 0; language < kLanguageCount; ++language) {
    LanguageScope scope(language);
    for (const WindowCase& window : Windows()) {
      const std::string name = window.name;
      if (name == "drive_chooser" || name == "password" || name == "password_again") continue;
      const std::unique_ptr<QWidget> widget = Shown(window, context);
      const QString file =
          out +
          QStringLiteral("/texts_%1_%2.png").arg(LanguageTag(language), QString::fromLatin1(window.name));
      EXPECT_TRUE(widget->grab().save(file)) << file.toStdString();
    }
  }
}

}  // namespace
}  // namespace direvovu::test
