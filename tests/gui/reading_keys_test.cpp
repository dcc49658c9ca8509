// The keys people know from other players and the wheel over a picture, in the main
// window with fake players: each reaches the pair's controller or the picture's zoom.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "core/app/key_map.h"
#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/channel_full_screen.h"
#include "gui/app/key_sheet_dlg.h"
#include "gui/app/picture_zoom.h"
#include "gui/controls/bitmap_slider.h"
#include "main_window_fixture.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;

const fs::path& Pair() {
  static SampleRecordings made;
  static const fs::path front = made.MakePair("2012-03-14T09:05:07");
  return front;
}

class ReadingKeysTest : public MainWindowTest {
 protected:
  void Play() {
    Initialise();
    StartPair(Pair());
    if (HasFatalFailure()) return;
    front_->SetClock(30'000, 60'000);
    rear_->SetClock(30'000, 60'000);
    dialog_->show();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    // Nothing focused keeps the arrows for itself (the list, the slider).
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    log_->clear();
  }
  bool Wait(const std::string& call) {
    return QTest::qWaitFor([&] { return Logged(call); }, 2000);
  }
  void Wheel(QWidget* area, int notches, QPoint at) {
    QWheelEvent wheel(at, area->mapToGlobal(at), {}, {0, notches * 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(area, &wheel);
  }
};

TEST_F(ReadingKeysTest, KeysReachThePairThroughItsController) {
  Play();
  ASSERT_FALSE(HasFatalFailure());
  struct Row {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::string call;  // the front player's call it leads to
  };
  const std::vector<Row> rows = {
      {"Shift+Right: a second on", Qt::Key_Right, Qt::ShiftModifier, "front SetTime(31000)"},
      {"Shift+Left: a second back", Qt::Key_Left, Qt::ShiftModifier, "front SetTime(29000)"},
      {"Up: a minute on, held inside the recording", Qt::Key_Up, Qt::NoModifier, "front SetTime(59000)"},
      {"Down: a minute back", Qt::Key_Down, Qt::NoModifier, "front SetTime(0)"},
      {"M mutes the front", Qt::Key_M, Qt::NoModifier, "front SetMute(true)"},
      {"] doubles the rate", Qt::Key_BracketRight, Qt::NoModifier, "front SetRate(2)"},
      {"Backspace: back to 1x", Qt::Key_Backspace, Qt::NoModifier, "front SetRate(1)"},
      {". pauses a playing pair", Qt::Key_Period, Qt::NoModifier, "front Pause"},
      {". then steps a frame", Qt::Key_Period, Qt::NoModifier, "front NextFrame"},
      {", steps back precisely", Qt::Key_Comma, Qt::NoModifier, "front SetTime(30000)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    front_->SetClock(30'000, 60'000);
    QTest::keyClick(dialog_.get(), row.key, row.modifiers);
    EXPECT_TRUE(Wait(row.call));
    QTest::qWait(250);  // a seek's steps end before the next key
    log_->clear();
  }
  // L sets A, L again B, and the slider shows the span.
  dialog_->playback().Play({});
  ASSERT_TRUE(Wait("front Play"));
  front_->SetClock(12'000, 60'000);
  QTest::keyClick(dialog_.get(), Qt::Key_L);
  front_->SetClock(18'000, 60'000);
  QTest::keyClick(dialog_.get(), Qt::Key_L);
  EXPECT_EQ(Slider()->loopRange(), (std::pair{2000, 3000}));
  QTest::keyClick(dialog_.get(), Qt::Key_L);
  EXPECT_EQ(Slider()->loopRange(), std::nullopt);
}

// The wheel zooms around the point under the cursor through the player's crop; 0 resets.
TEST_F(ReadingKeysTest, WheelZoomsThePictureAroundTheCursor) {
  Play();
  ASSERT_FALSE(HasFatalFailure());
  // A 1280 x 720 picture in the 437 x 328 area: 437 x 245 from y = 41 down; the area's
  // bottom right corner is past the picture's, so counts as it.
  QWidget* front_area = dialog_->control(ctl::kFrontVideo);
  Wheel(front_area, 8, {437, 328});
  EXPECT_EQ(front_->crop(), "1280x720+960+540");  // 4x, the bottom right corner held
  Wheel(front_area, -4, {437, 328});
  EXPECT_EQ(front_->crop(), "1280x720+640+360");
  // Above the picture counts as its top edge.
  Wheel(dialog_->control(ctl::kRearVideo), 12, {0, 0});
  EXPECT_EQ(rear_->crop(), "160x90+0+0");
  QTest::keyClick(dialog_.get(), Qt::Key_0);
  EXPECT_EQ(front_->crop(), "");
  EXPECT_EQ(rear_->crop(), "");
}

// F and Shift+F show a channel full screen, Escape brings it back; the players are
// neither stopped nor opened again on the way.
TEST_F(ReadingKeysTest, FullScreenKeysKeepThePairPlaying) {
  Play();
  ASSERT_FALSE(HasFatalFailure());
  for (const bool front : {true, false}) {
    QWidget* area = dialog_->control(front ? ctl::kFrontVideo : ctl::kRearVideo);
    QTest::keyClick(dialog_.get(), Qt::Key_F, front ? Qt::NoModifier : Qt::ShiftModifier);
    ASSERT_NE(dialog_->fullScreen(), nullptr);
    EXPECT_EQ(dialog_->fullScreen()->large(), area);
    QTest::keyClick(dialog_->fullScreen(), Qt::Key_Escape);
    EXPECT_EQ(dialog_->fullScreen(), nullptr);
    EXPECT_EQ(area->parentWidget(), dialog_.get());
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  }
  EXPECT_EQ(Count("front Stop") + Count("front Open") + Count("rear Stop") + Count("rear Open"), 0);
  EXPECT_EQ(dialog_->playback().state(), PlaybackState::Playing);
}

// F1 and ? open the sheet of keys in the window's language, key names included (Qt's
// own translation), one sheet however often.
TEST_F(ReadingKeysTest, KeySheetListsEveryKeyInTheCurrentLanguage) {
  Play();
  ASSERT_FALSE(HasFatalFailure());
  const int language = CurrentLanguage();
  dialog_->StartInLanguage(kRussian);
  dialog_->ReloadSettings();
  QTest::keyClick(dialog_.get(), Qt::Key_F1);
  QDialog* sheet = dialog_->keySheet();
  ASSERT_NE(sheet, nullptr);
  EXPECT_TRUE(sheet->isVisible());
  EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Клавиши"));
  const auto* table = static_cast<gui::CKeySheetDlg*>(sheet)->table();
  ASSERT_EQ(table->rowCount(), static_cast<int>(KeyBindings().size()));
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Пробел"));
  EXPECT_EQ(table->item(3, 0)->text(), QStringLiteral("Shift+Влево"));
  EXPECT_EQ(table->item(8, 0)->text(), QStringLiteral("."));
  EXPECT_EQ(table->item(8, 1)->text(), QStringLiteral("Следующий кадр (на паузе)"));
  EXPECT_EQ(table->item(static_cast<int>(KeyBindings().size()) - 1, 0)->text(), QStringLiteral("F1, ?"));
  dialog_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  QTest::keyClick(dialog_.get(), Qt::Key_Question, Qt::ShiftModifier);
  EXPECT_EQ(dialog_->keySheet(), sheet);
  dialog_->StartInLanguage(static_cast<Language>(language));
  dialog_->ReloadSettings();
}

}  // namespace
}  // namespace direvovu::test
