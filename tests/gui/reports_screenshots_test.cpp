// Pictures people look at: the event report, the program information and the
// driving-information window, in English and in Korean.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSet>

#include <fstream>

#include "core/settings/texts.h"
#include "gui/map/car_info.h"
#include "gui/reports/event_dlg.h"
#include "gui/reports/program_info.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

QString ScreenshotPath(const QString& name) {
  const QString folder = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  return folder + QLatin1Char('/') + name;
}

int Colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
  }
  return static_cast<int>(seen.size());
}

void Save(QWidget& window, const QString& name, int min_colours) {
  window.show();
  const QImage image = window.grab().toImage();
  ASSERT_TRUE(image.save(ScreenshotPath(name)));
  EXPECT_GT(Colours(image), min_colours) << name.toStdString();
}

class ReportScreenshots : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    SetCurrentLanguage(GetParam());
    for (int f = 0; f < 3; ++f) {
      std::string text;
      for (int n = 1; n <= 3; ++n) {
        text += "[Event" + std::to_string(n) + "]\r\nDate=2026-12-0" + std::to_string(7 + f) +
                "\r\nTime=08:1" + std::to_string(n) + ":0" + std::to_string(f) +
                "\r\nG_Sensor_X=" + std::to_string(0.4 * n - f) +
                "\r\nG_Sensor_Y=" + std::to_string(0.3 * f - 0.2) +
                "\r\nG_Sensor_Z=" + std::to_string(1.1 - 0.3 * n) + "\r\n";
      }
      card.Put("Event/drf_2026120" + std::to_string(7 + f) + "_08100" + std::to_string(f) + ".txt", text);
    }
    card.Put("Setup/ver.txt", "DV-1.4.2");
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }
  QString Suffix() const { return GetParam() == kKorean ? QStringLiteral("ko") : QStringLiteral("en"); }

  test::TestCard card;
  test::RecordingPrompts prompts;
};

TEST_P(ReportScreenshots, EventReportProgramInformationAndDrivingInformation) {
  const DriveList drives{Drive{'C', "/", false}, Drive{'E', card.card(), true}};
  EventDlgContext events;
  events.folders = WorkingFolders(card.root());
  events.cardLetter = 'E';
  events.drives = drives;
  CEventDlg event_report(events, prompts);
  Save(event_report, "event_report_" + Suffix() + ".png", 20);

  ProgramInfoContext info;
  info.cardLetter = 'E';
  info.drives = drives;
  info.setHidden = [](const std::filesystem::path&, bool) { return true; };
  CProgramInfo program_info(info);
  Save(program_info, "program_info_" + Suffix() + ".png", 10);

  DrivingData driving;
  CarInfoContext car;
  car.folders = WorkingFolders(card.root());
  car.driving = &driving;
  car.playing = [] { return false; };
  CCarInfo car_info(car, prompts);
  Save(car_info, "car_info_page0_" + Suffix() + ".png", 20);
  car_info.SelectPageAt(300);
  Save(car_info, "car_info_page3_" + Suffix() + ".png", 20);
  EXPECT_TRUE(prompts.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportScreenshots, ::testing::Values(kEnglish, kKorean));

}  // namespace
}  // namespace direvovu::gui
