#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/display/readout_texts.h"
#include "display_test_support.h"
#include "gui/display/display_pictures.h"
#include "gui/display/graph_dlg.h"
#include "gui/display/graph_panel.h"
#include "gui/display/readouts.h"
#include "gui/display/speedometer_widget.h"
#include "gui/skin/skin.h"

namespace direvovu::gui {
namespace {

using display::GraphMode;
using display::SpeedUnit;

// The part of the main window that shows the track, at its real places, over the dark skin.
class DisplayStrip : public QWidget {
 public:
  DisplayStrip() {
    resize(947, 750);
    setAutoFillBackground(true);
    QPalette p = palette();
    const QPixmap skin = Skin::Pixmap(QStringLiteral("main_background"));
    if (skin.isNull()) {
      p.setColor(QPalette::Window, QColor(40, 42, 46));
    } else {
      p.setBrush(QPalette::Window, QBrush(skin));
    }
    setPalette(p);
    panel = new GraphPanel(this);
    gauge = new SpeedometerWidget(this);
    const struct {
      QLabel** label;
      QRect area;
      QColor colour;
    } places[] = {
        {&labels.elapsed, {38, 404, 68, 22}, Qt::white},
        {&labels.total, {401, 404, 68, 22}, Qt::white},
        {&labels.recordTime, {487, 408, 200, 20}, Qt::white},
        {&labels.peak, {697, 408, 100, 20}, Qt::white},
        {&labels.x, {487, 432, 100, 20}, QColor(0, 0, 255)},
        {&labels.y, {592, 432, 100, 20}, QColor(0, 255, 0)},
        {&labels.z, {697, 432, 100, 20}, QColor(128, 0, 255)},
        {&labels.latitude, {487, 456, 205, 20}, Qt::white},
        {&labels.longitude, {697, 456, 205, 20}, Qt::white},
    };
    for (const auto& place : places) {
      *place.label = new QLabel(this);
      (*place.label)->setGeometry(place.area);
      QPalette lp = (*place.label)->palette();
      lp.setColor(QPalette::WindowText, place.colour);
      (*place.label)->setPalette(lp);
    }
  }
  GraphPanel* panel;
  SpeedometerWidget* gauge;
  ReadoutLabels labels;
};

class DisplayWidgets : public ::testing::Test {
 protected:
  void SetUp() override {
    track = test::BrakingTrack();
    events = test::BrakingEvents(track);
    strip.panel->SetTrack(&track);
    strip.panel->SetEvents(events);
    strip.gauge->SetTrack(&track);
  }
  void Tick(double seconds, double length = 60) {
    if (auto texts = strip.panel->Refresh(seconds, length)) ShowAxisTexts(strip.labels, *texts);
    strip.gauge->ShowSecond(seconds);
    ShowRecordTexts(strip.labels, track, seconds);
    ShowTimeTexts(strip.labels, QStringLiteral("00:%1").arg(static_cast<int>(seconds), 2, 10, QChar('0')),
                  QStringLiteral("01:00"));
  }
  void Save(QWidget& widget, const char* name) {
    widget.grab().save(QString::fromStdString((test::ScreenshotFolder() / name).string()));
  }

  TrackState track;
  std::vector<display::GraphEvent> events;
  DisplayStrip strip;
};

TEST_F(DisplayWidgets, GravityModeDrawsThreeCurvesWithTheSpikeAndTheEventsReadouts) {
  Tick(30.4);
  ASSERT_EQ(events.size(), 1U);
  EXPECT_EQ(events[0].offsetSeconds, 30);
  EXPECT_EQ(strip.panel->cursorX(), 73 + static_cast<int>(30.4 * 325 / 60));
  ASSERT_EQ(strip.panel->curves().size(), 3U);
  const auto& x = strip.panel->curves()[0];
  const int lowest = std::max_element(x.begin(), x.end(), [](auto a, auto b) { return a.y < b.y; })->y;
  EXPECT_EQ(lowest, display::PanelGravityY(track.records[30].accelX));  // the braking spike
  EXPECT_EQ(strip.labels.x->text(), "X: -1.800");                       // the event's own values
  EXPECT_EQ(strip.labels.z->text(), "Z: 1.600");
  EXPECT_EQ(strip.labels.recordTime->text(), "2012.03.14  09:05:37");
  EXPECT_EQ(strip.labels.latitude->text().right(1), "N");
  EXPECT_EQ(strip.labels.longitude->text().right(1), "W");
  Save(strip, "display_gsensor_mode.png");
}

TEST_F(DisplayWidgets, SpeedModeDrawsOneCurveAndTheGaugeInMph) {
  strip.panel->SetMode(GraphMode::Speed);
  strip.panel->SetUnit(SpeedUnit::Mph);
  strip.gauge->SetUnit(SpeedUnit::Mph);
  Tick(25);
  ASSERT_EQ(strip.panel->curves().size(), 1U);
  EXPECT_EQ(strip.panel->curves()[0].size(), 325U);
  const int kmh = track.records[25].speed;
  EXPECT_EQ(strip.gauge->shownSpeed(), display::DisplaySpeed(kmh, SpeedUnit::Mph));
  EXPECT_EQ(strip.gauge->needleEnd(),
            display::NeedleEnd(display::DisplaySpeed(kmh, SpeedUnit::Mph), SpeedUnit::Mph));
  Save(strip, "display_speed_mode_mph.png");
  strip.panel->SetUnit(SpeedUnit::Kmh);
  strip.gauge->SetUnit(SpeedUnit::Kmh);
  Tick(25);
  EXPECT_EQ(strip.gauge->numberText(), QString::fromStdString(display::SpeedNumberText(kmh, SpeedUnit::Kmh)));
  Save(strip, "display_speed_mode.png");
}

TEST_F(DisplayWidgets, CursorPastThePanelKeepsTheLastCursorAndReadouts) {
  Tick(10);
  const auto cursor = strip.panel->cursorX();
  const QString x = strip.labels.x->text();
  EXPECT_EQ(strip.panel->Refresh(61, 60), std::nullopt);
  EXPECT_EQ(strip.panel->cursorX(), cursor);
  EXPECT_EQ(strip.labels.x->text(), x);
  EXPECT_EQ(strip.panel->curves().size(), 3U);  // the curves are still drawn
}

TEST_F(DisplayWidgets, EmptyTrackGetsThePanelAndCursorButNoCurveOrRecordTexts) {
  TrackState empty;
  strip.panel->SetTrack(&empty);
  strip.panel->SetEvents({});
  strip.gauge->SetTrack(&empty);
  ResetReadouts(strip.labels);
  EXPECT_EQ(strip.panel->Refresh(5, 60), std::nullopt);
  EXPECT_TRUE(strip.panel->cursorX().has_value());
  EXPECT_TRUE(strip.panel->curves().empty());
  strip.gauge->ShowSecond(5);
  EXPECT_FALSE(strip.gauge->shownSpeed());
  ShowRecordTexts(strip.labels, empty, 5);
  EXPECT_EQ(strip.labels.latitude->text(), QString::fromUtf8("00˚00d´00.00˝"));
  EXPECT_EQ(strip.labels.elapsed->text(), "00:00");
}

TEST_F(DisplayWidgets, ClearAfterResetDrawsNoCursorAndForgetsTheEvents) {
  Tick(12);
  strip.panel->Clear();
  EXPECT_FALSE(strip.panel->cursorX());
  EXPECT_TRUE(strip.panel->curves().empty());
  EXPECT_TRUE(strip.panel->events().empty());
}

TEST_F(DisplayWidgets, DoubleClickOnThePanelAsksForTheEnlargedGraph) {
  strip.show();
  QSignalSpy spy(strip.panel, &GraphPanel::enlargeRequested);
  QTest::mouseDClick(strip.panel, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(DisplayWidgets, SpeedNumberFontIsEighteenPixelsBoldAboutTenWide) {
  const QFont font = strip.gauge->numberFont();
  EXPECT_EQ(font.pixelSize(), 18);
  EXPECT_EQ(font.weight(), QFont::Bold);
  EXPECT_NEAR(QFontMetricsF(font).averageCharWidth(), 10.0, 1.5);
}

TEST_F(DisplayWidgets, EnlargedGraphShowsTheWholeRecordingAndClosesOnItsButton) {
  CGraphDlg gravity(track, GraphMode::GSensor, SpeedUnit::Kmh, 60);
  EXPECT_EQ(gravity.size(), QSize(803, 258));
  ASSERT_EQ(gravity.curves().size(), 3U);
  EXPECT_EQ(gravity.curves()[0].size(), 660U);
  EXPECT_EQ(gravity.closeButton()->pos(), QPoint(753, 13));
  Save(gravity, "display_enlarged_gsensor.png");

  CGraphDlg speed(track, GraphMode::Speed, SpeedUnit::Kmh, 60);
  ASSERT_EQ(speed.curves().size(), 1U);
  EXPECT_EQ(speed.curves()[0][0].y, display::DialogSpeedY(track.records[0].speed));
  Save(speed, "display_enlarged_speed.png");

  speed.show();
  QTest::mouseClick(speed.closeButton(), Qt::LeftButton);
  EXPECT_EQ(speed.result(), QDialog::Accepted);
  EXPECT_FALSE(speed.isVisible());
}

TEST(DisplayPictures, SpeedGridInMphFallsOnWholeMiles) {
  EXPECT_EQ(SpeedGridValues(SpeedUnit::Mph).back(), 125);
  EXPECT_NEAR(KmhOf(100, SpeedUnit::Mph), 160.93, 0.01);
  EXPECT_FALSE(GraphPanelPicture(GraphMode::Speed, SpeedUnit::Mph).toImage() ==
               GraphPanelPicture(GraphMode::Speed, SpeedUnit::Kmh).toImage());
  EXPECT_EQ(DialPicture(SpeedUnit::Kmh).size(), QSize(144, 185));
}

}  // namespace
}  // namespace direvovu::gui
