// The evidence export from the main window: the span marked with I and O and shown on the
// seek slider, the export window over it (E, the button, the pictures' menu), the
// request the export is handed, its progress, its cancel and its end. The export itself
// is a scripted stand-in: these tests are about the viewer's side.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/export_controller.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/ui_text.h"
#include "gui/export/export_dialog.h"
#include "main_window_fixture.h"
#include "text_fit_support.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;
namespace ew = rows::export_window;
using exporting::ExportLayout;
using exporting::ExportSpan;
using gui::CExportDialog;

// The export in the pipeline's place: it records each request, reports `progress` if set,
// then waits for the cancel (bounded) or ends as `outcome` says.
class ScriptedExport {
 public:
  gui::ExportBackend Backend() {
    gui::ExportBackend backend;
    backend.write_report = [](const exporting::IncidentFacts&, const fs::path&) { return std::nullopt; };
    backend.run = [this](const media::IncidentRequest& request, const media::ReportWriter& report,
                         const gui::ExportProgress& progress, const std::atomic<bool>& cancel) {
      {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
        handed_report_ = static_cast<bool>(report);
      }
      if (report_progress) progress(*report_progress);
      if (!wait_for_cancel) return outcome;
      for (int waited = 0; waited < 1000 && !cancel; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      saw_cancel_ = cancel.load();
      media::IncidentOutcome cancelled;
      cancelled.end = saw_cancel_ ? media::IncidentEnd::Cancelled : media::IncidentEnd::Failed;
      return cancelled;
    };
    return backend;
  }

  [[nodiscard]] std::vector<media::IncidentRequest> requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
  }
  [[nodiscard]] bool handedReport() const {
    const std::lock_guard lock(mutex_);
    return handed_report_;
  }
  [[nodiscard]] bool sawCancel() const { return saw_cancel_; }

  // Set before the export starts.
  std::optional<media::IncidentProgress> report_progress;
  bool wait_for_cancel = false;
  media::IncidentOutcome outcome;

 private:
  mutable std::mutex mutex_;
  std::vector<media::IncidentRequest> requests_;
  bool handed_report_ = false;
  std::atomic<bool> saw_cancel_{false};
};

// The main window in English playing a plain pair whose leading player stands 30 s into
// 60, with the scripted export in place.
class ExportWindow : public PlaylistTest {
 protected:
  void SetUp() override {
    PlaylistTest::SetUp();
    if (HasFatalFailure()) return;
    Play(PlaylistPairs::Get().plain[0]);
  }

  void Play(const fs::path& front) {
    OpenAndPlay({front});
    if (HasFatalFailure()) return;
    dialog_->exports().SetBackend(script_.Backend());
    front_->SetClock(30'000, 60'000);
  }

  // A key of the main window, pressed while it is the active window, as its shortcuts need.
  void Press(Qt::Key key) {
    if (!dialog_->isVisible()) dialog_->show();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    QTest::keyClick(dialog_.get(), key);
  }
  void PressAt(Qt::Key key, std::int64_t ms) {
    front_->SetClock(ms, 60'000);
    Press(key);
  }

  CExportDialog* Window() const { return dialog_->exports().dialog(); }

  void Export() { QTest::mouseClick(Window()->exportButton(), Qt::LeftButton); }

  void WaitForEnd() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Window()->state() == CExportDialog::State::Finished; }, 5000));
  }

  ScriptedExport script_;
};

TEST_F(ExportWindow, KeysMarkTheSpanTheSliderShowsItAndANewLoadForgetsIt) {
  struct Step {
    Qt::Key key;
    std::int64_t ms;
    std::optional<std::pair<int, int>> band;  // of the slider's 0..10000
  } const steps[] = {
      {Qt::Key_I, 12'000, std::pair{2000, 10000}},  // the start alone runs to the end
      {Qt::Key_O, 30'000, std::pair{2000, 5000}},
      {Qt::Key_I, 45'000, std::pair{7500, 10000}},  // past the end: the end goes
      {Qt::Key_O, 6'000, std::pair{0, 1000}},       // before the start: the start goes
  };
  for (const Step& step : steps) {
    PressAt(step.key, step.ms);
    EXPECT_EQ(Slider()->markedRange(), step.band) << step.ms;
  }
  Play(PlaylistPairs::Get().plain[1]);
  EXPECT_EQ(Slider()->markedRange(), std::nullopt);
  EXPECT_EQ(dialog_->exports().marks(), exporting::SpanMarks{});
}

TEST_F(ExportWindow, OpensOverTheMarksElseAroundThePlayPosition) {
  struct Case {
    const char* what;
    std::vector<std::pair<Qt::Key, std::int64_t>> marks;
    std::int64_t position_ms;
    ExportSpan span;
  } const cases[] = {
      {"ten seconds either side", {}, 30'000, {20, 40}},
      {"cut at the start", {}, 4'500, {0, 14.5}},
      {"cut at the end", {}, 55'250, {45.25, 60}},
      {"the marks", {{Qt::Key_I, 12'500}, {Qt::Key_O, 21'000}}, 50'000, {12.5, 21}},
  };
  for (const Case& c : cases) {
    for (const auto& [key, ms] : c.marks) PressAt(key, ms);
    PressAt(Qt::Key_E, c.position_ms);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible()) << c.what;
    EXPECT_EQ(Window()->Choice().span, c.span) << c.what;
    Window()->close();
  }
  EXPECT_EQ(Window()->recordingLabel()->text(),
            QStringLiteral("Recording: %1 (60.0 s)")
                .arg(QString::fromStdString(PlaylistPairs::Get().plain[0].filename().string())));
  EXPECT_EQ(Window()->folderBox()->text(), QString::fromStdString((folders_->root / "EXPORT").string()));
  EXPECT_EQ(Window()->Choice().layout, ExportLayout::SideBySide);
  EXPECT_TRUE(Window()->Choice().overlay);
}

// The export window is not modal: the pair plays on and the main window's keys still work.
TEST_F(ExportWindow, ButtonAndPictureMenuOpenItWhilePlaybackGoesOn) {
  QTest::mouseClick(dialog_->button(ctl::kExport), Qt::LeftButton);
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_FALSE(Window()->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(dialog_->playback().playing());
  Press(Qt::Key_Space);
  EXPECT_FALSE(dialog_->playback().playing());
  Window()->close();

  QWidget* picture = dialog_->control(ctl::kRearVideo);
  QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(20, 20),
                                picture->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(picture, &right_click);
  auto* menu = dialog_->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Export Incident..."));
  EXPECT_TRUE(menu->actions().front()->isEnabled());
  menu->actions().front()->trigger();
  menu->hide();
  EXPECT_TRUE(Window()->isVisible());
}

TEST_F(ExportWindow, RefusesABadSpanNamingTheRecordingsLengthAndStartsNothing) {
  struct Case {
    int language;
    ExportSpan span;
    const char* length;
  } const cases[] = {
      {kEnglish, {30, 20}, "60.0"},
      {kEnglish, {50, 75}, "60.0"},
      {kRussian, {12, 12}, "60,0"},
      {kJapanese, {61, 70}, "60.0"},
  };
  for (const Case& c : cases) {
    LanguageScope language(c.language);
    dialog_->RefreshTexts();
    PressAt(Qt::Key_E, 30'000);
    Window()->fromBox()->setValue(c.span.from);
    Window()->toBox()->setValue(c.span.to);
    Export();
    const QString refusal =
        gui::UiText(TextTable::ExportWindow, ew::kSpanRefused).arg(QString::fromLatin1(c.length));
    EXPECT_EQ(Window()->statusLabel()->text(), refusal) << c.language;
    EXPECT_TRUE(Window()->statusLabel()->text().contains(QString::fromLatin1(c.length))) << c.language;
    EXPECT_EQ(Window()->state(), CExportDialog::State::Choosing);
  }
  QTest::qWait(50);
  EXPECT_TRUE(script_.requests().empty());
}

TEST_F(ExportWindow, TheExportIsHandedWhatTheWindowShows) {
  WriteViewerSettings("SPEED_UNIT=0\r\nLANGUAGE=1\r\n");
  dialog_->ReloadSettings();
  const fs::path folder = RootPath() / "evidence";
  PressAt(Qt::Key_E, 30'000);
  Window()->fromBox()->setValue(21.5);
  Window()->toBox()->setValue(33);
  Window()->layoutBox()->setCurrentIndex(3);
  Window()->overlayBox()->setChecked(false);
  Window()->folderBox()->setText(QString::fromStdString(folder.string()));
  Export();
  WaitForEnd();

  const std::vector<media::IncidentRequest> requests = script_.requests();
  ASSERT_EQ(requests.size(), 1U);
  const media::IncidentRequest& r = requests.front();
  EXPECT_EQ(r.front, PlaylistPairs::Get().plain[0]);
  EXPECT_EQ(r.password, std::nullopt);
  EXPECT_EQ(r.span, (ExportSpan{21.5, 33}));
  EXPECT_EQ(r.layout, ExportLayout::PictureInPicture);
  EXPECT_FALSE(r.overlay);
  EXPECT_EQ(r.parent, folder);
  EXPECT_EQ(r.language, kEnglish);
  EXPECT_EQ(r.speed_unit, SpeedUnit::Mph);
  EXPECT_TRUE(script_.handedReport());
  // The folder was there for the export, and is the next one's default.
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(SettingFolder(*folders_, FolderKind::Export), folder);
}

// The pair's password is the one its load accepted; a plain pair that follows has none.
TEST_F(ExportWindow, AScrambledPairIsExportedWithItsPassword) {
  messages_.setPasswordAnswer([](const PasswordQuestion& question) { return question.matches("abc123"); });
  for (const auto& [front, password] :
       {std::pair{PlaylistPairs::Get().scrambled[0], std::optional<std::string>("abc123")},
        std::pair{PlaylistPairs::Get().plain[1], std::optional<std::string>()}}) {
    Play(front);
    PressAt(Qt::Key_E, 30'000);
    Export();
    WaitForEnd();
    ASSERT_FALSE(script_.requests().empty());
    EXPECT_EQ(script_.requests().back().front, front);
    EXPECT_EQ(script_.requests().back().password, password) << front;
    Window()->close();
  }
}

TEST_F(ExportWindow, ProgressAndCancelReachTheExport) {
  script_.report_progress = media::IncidentProgress{0.25, 65};
  script_.wait_for_cancel = true;
  PressAt(Qt::Key_E, 30'000);
  Export();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Window()->bar()->value() == 250; }, 5000));
  EXPECT_EQ(Window()->state(), CExportDialog::State::Exporting);
  EXPECT_EQ(Window()->timeLeftLabel()->text(), QStringLiteral("About 1:05 left"));
  EXPECT_EQ(Window()->statusLabel()->text(), QStringLiteral("Exporting..."));
  EXPECT_FALSE(Window()->fromBox()->isEnabled());
  EXPECT_FALSE(Window()->exportButton()->isVisible());
  EXPECT_TRUE(dialog_->exports().exporting());
  // A second E while it runs brings the window up as it is.
  PressAt(Qt::Key_E, 10'000);
  EXPECT_EQ(Window()->state(), CExportDialog::State::Exporting);

  QTest::mouseClick(Window()->cancelButton(), Qt::LeftButton);
  WaitForEnd();
  EXPECT_TRUE(script_.sawCancel());
  EXPECT_EQ(Window()->statusLabel()->text(), QStringLiteral("The export was cancelled."));
  EXPECT_FALSE(Window()->showButton()->isVisible());
  EXPECT_FALSE(dialog_->exports().exporting());
  EXPECT_TRUE(Window()->exportButton()->isVisible());
}

TEST_F(ExportWindow, TheEndIsToldAsTheExportEnded) {
  const fs::path incident = RootPath() / "DirevOvu/EXPORT/Incident_20120314_090000";
  struct Case {
    media::IncidentOutcome outcome;
    QString text;
    bool show_button;
  } const cases[] = {
      {{media::IncidentEnd::Done, incident, "", false},
       QStringLiteral("The incident folder is ready:\n") + QString::fromStdString(incident.string()),
       true},
      {{media::IncidentEnd::Done, incident, "no rear recording", true},
       QStringLiteral("The incident folder is ready:\n") + QString::fromStdString(incident.string()) +
           QStringLiteral("\nThere is no rear recording: the clip shows the front alone."),
       true},
      {{media::IncidentEnd::Failed, {}, "no space left on the disk", false},
       QStringLiteral("The export did not finish:\nno space left on the disk"),
       false},
      {{media::IncidentEnd::WrongPassword, {}, "the password does not open the recording", false},
       QStringLiteral("The export did not finish:\nthe password does not open the recording"),
       false},
  };
  for (const Case& c : cases) {
    script_.outcome = c.outcome;
    PressAt(Qt::Key_E, 30'000);
    Export();
    WaitForEnd();
    EXPECT_EQ(Window()->statusLabel()->text(), c.text);
    EXPECT_EQ(Window()->showButton()->isVisible(), c.show_button) << c.text.toStdString();
    EXPECT_EQ(Window()->finishedFolder(), c.outcome.folder);
    Window()->close();
  }
}

// The window is open before the time left and the end are known: their texts must find
// room in it then.
TEST_F(ExportWindow, TextsThatComeLaterFitTheOpenWindow) {
  LanguageScope korean(kKorean);
  dialog_->RefreshTexts();
  PressAt(Qt::Key_E, 30'000);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
  const auto expect_fit = [this](const char* when) {
    QApplication::processEvents();
    const std::vector<ClippedText> clipped = ClippedTexts(*Window());
    EXPECT_TRUE(clipped.empty()) << when << "\n" << Describe(clipped).toStdString();
  };
  script_.report_progress = media::IncidentProgress{0.5, 754};
  script_.wait_for_cancel = true;
  Export();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Window()->bar()->value() == 500; }, 5000));
  expect_fit("running");
  QTest::mouseClick(Window()->cancelButton(), Qt::LeftButton);
  WaitForEnd();

  script_.report_progress.reset();
  script_.wait_for_cancel = false;
  script_.outcome = {
      media::IncidentEnd::Done,
      folders_->root / "EXPORT/a folder a good deal longer than the window/Incident_20120314_090000", "",
      true};
  Export();
  WaitForEnd();
  expect_fit("done");
}

TEST_F(ExportWindow, ClosingTheViewerMidExportCancelsItAndWaits) {
  script_.wait_for_cancel = true;
  PressAt(Qt::Key_E, 30'000);
  Export();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !script_.requests().empty(); }, 5000));
  const auto began = std::chrono::steady_clock::now();
  dialog_->CloseCommand();
  EXPECT_TRUE(script_.sawCancel());
  EXPECT_LT(std::chrono::steady_clock::now() - began,
            std::chrono::milliseconds(gui::ExportController::kCloseWaitMs));
  EXPECT_FALSE(dialog_->exports().exporting());
}

using ExportWithoutPair = PlaylistTest;

TEST_F(ExportWithoutPair, KeysAndButtonMarkAndOpenNothing) {
  dialog_->show();
  dialog_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  for (const Qt::Key key : {Qt::Key_I, Qt::Key_O, Qt::Key_E}) QTest::keyClick(dialog_.get(), key);
  QTest::mouseClick(dialog_->button(ctl::kExport), Qt::LeftButton);
  EXPECT_EQ(dialog_->exports().dialog(), nullptr);
  EXPECT_EQ(Slider()->markedRange(), std::nullopt);
}

// Pictures of the window for people to look at: over the marks, in the middle of an
// export and at its end; the end-to-end script takes them on a real X server.
TEST_F(ExportWindow, ScreenshotsForPeopleToLookAt) {
  const QString out = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(out));
  PressAt(Qt::Key_I, 12'500);
  PressAt(Qt::Key_O, 31'000);
  EXPECT_TRUE(dialog_->grab().save(out + QStringLiteral("/main_window_export_marks.png")));
  PressAt(Qt::Key_E, 20'000);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
  EXPECT_TRUE(Window()->grab().save(out + QStringLiteral("/export_dialog.png")));

  script_.report_progress = media::IncidentProgress{0.42, 95};
  script_.wait_for_cancel = true;
  Export();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Window()->bar()->value() == 420; }, 5000));
  QApplication::processEvents();  // the layout follows the new texts
  EXPECT_TRUE(Window()->grab().save(out + QStringLiteral("/export_dialog_running.png")));
  QTest::mouseClick(Window()->cancelButton(), Qt::LeftButton);
  WaitForEnd();

  script_.report_progress.reset();
  script_.wait_for_cancel = false;
  script_.outcome = {media::IncidentEnd::Done, folders_->root / "EXPORT/Incident_20120314_090019", "", false};
  Export();
  WaitForEnd();
  QApplication::processEvents();
  EXPECT_TRUE(Window()->grab().save(out + QStringLiteral("/export_dialog_done.png")));
}

// The viewer's own pipeline and sheet, end to end, on the playing pair.
TEST_F(ExportWindow, TheRealExportWritesTheIncidentFolder) {
  WriteViewerSettings("ADDRESS_SERVICE_URL=\r\n");  // no address service: the coordinates only
  dialog_->exports().SetBackend(gui::ProductionExportBackend(*folders_));
  front_->SetClock(1'000, 2'000);  // the pair is 2 s long
  Press(Qt::Key_E);
  Export();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Window()->state() == CExportDialog::State::Finished; }, 60000));
  const fs::path folder = Window()->finishedFolder();
  ASSERT_FALSE(folder.empty()) << Window()->statusLabel()->text().toStdString();
  for (const char* file : {"incident.mp4", "incident.pdf", "track.csv", "track.gpx", "SHA256SUMS"}) {
    EXPECT_TRUE(fs::exists(folder / file)) << file;
  }
}

}  // namespace
}  // namespace direvovu::test
