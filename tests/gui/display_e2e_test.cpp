// Capture and printing against the real libvlc players on a sample recording pair.
// Run by tests/e2e/display_capture_print.sh under xvfb-run, which makes the pair and
// names its folder in DIREVOVU_E2E_RECORDINGS; without it the test skips.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "core/settings/texts.h"
#include "display_test_support.h"
#include "gui/controls/show_message.h"
#include "gui/display/capture.h"
#include "gui/display/printing.h"
#include "player/channel_player.h"
#include "recording_prompts.h"
#include "sample_recordings.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

int PdfPages(const QString& file) {
  QFile pdf(file);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(QString::fromLatin1(pdf.readAll())
                              .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

// Two video areas side by side, each a native window a player draws into.
class PairWindow : public QWidget {
 public:
  PairWindow() {
    resize(900, 300);
    setStyleSheet(QStringLiteral("background: black;"));
    for (int i = 0; i < 2; ++i) {
      areas[i] = new QWidget(this);
      areas[i]->setGeometry(10 + i * 445, 10, 435, 280);
      areas[i]->setAttribute(Qt::WA_NativeWindow);
      areas[i]->setAttribute(Qt::WA_DontCreateNativeAncestors);
    }
  }
  QWidget* areas[2] = {};
};

TEST(DisplayEndToEnd, CapturesBothChannelsOfAPlayingPairAndPrintsAPage) {
  const fs::path folder = test::E2eRecordingsFolder();
  if (folder.empty()) GTEST_SKIP() << "needs DIREVOVU_E2E_RECORDINGS and an X server";
  const fs::path front_file = test::FindRecording(folder, "drf0_");
  const fs::path rear_file = test::FindRecording(folder, "drf1_");
  ASSERT_FALSE(front_file.empty());
  ASSERT_FALSE(rear_file.empty());

  PairWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ChannelPlayer front(Channel::kFront, {QStringLiteral("--aout=dummy")});
  ChannelPlayer rear(Channel::kRear, {QStringLiteral("--aout=dummy")});
  for (ChannelPlayer* player : {&front, &rear}) {
    ASSERT_TRUE(player->Init()) << "libvlc";
    ASSERT_TRUE(player->CreatePlayer());
  }
  front.SetDrawable(window.areas[0]->winId());
  rear.SetDrawable(window.areas[1]->winId());
  ASSERT_TRUE(front.Open(front_file));
  ASSERT_TRUE(rear.Open(rear_file));
  rear.SetMute(true);
  ASSERT_TRUE(rear.Play());
  ASSERT_TRUE(front.Play());
  const auto moving = [](const ChannelPlayer& p) {
    return p.GetState() == PlayerState::kPlaying && p.GetTime() > 1200;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return moving(front) && moving(rear); }, 15000))
      << "the pair never played";

  PlaybackView playback;
  playback.front = &front;
  playback.rear = &rear;
  playback.frontRecording = front_file;
  playback.rearRecording = rear_file;
  playback.pause = [&] {
    front.Pause();
    rear.Pause();
  };
  playback.play = [&] {
    rear.Play();
    front.Play();
  };

  QTemporaryDir dir;
  const fs::path root(dir.path().toStdString());
  test::RecordingPrompts messages;
  const CaptureResult capture = CaptureVideo(playback, root / "CAPTURE", messages);
  ASSERT_TRUE(capture.attempted);
  EXPECT_EQ(messages.rows(), std::vector<MessageId>{msg::kCaptureSaved});
  for (const fs::path& file : {capture.frontFile, capture.rearFile}) {
    const QImage picture(QString::fromStdString(file.string()));
    ASSERT_FALSE(picture.isNull()) << file;
    EXPECT_EQ(picture.size(), QSize(front.VideoWidth(), front.VideoHeight())) << file;
    EXPECT_TRUE(test::HasSeveralColours(picture)) << file;
    QFile::copy(QString::fromStdString(file.string()),
                QString::fromStdString(
                    (test::ScreenshotFolder() / ("display_e2e_" + file.filename().string())).string()));
  }
  EXPECT_EQ(front.VideoWidth(), 320);
  EXPECT_EQ(front.VideoHeight(), 180);
  EXPECT_TRUE(QTest::qWaitFor([&] { return front.GetState() == PlayerState::kPlaying; }, 5000))
      << "not resumed";

  const fs::path picture = root / "BlackBox_Capture.png";
  const fs::path pdf = test::ScreenshotFolder() / "display_e2e_print.pdf";
  fs::remove(pdf);
  EXPECT_EQ(PrintVideo(playback, picture, PrintTarget{pdf, &messages}), PrintOutcome::Printed);
  EXPECT_EQ(PdfPages(QString::fromStdString(pdf.string())), 1);
  EXPECT_FALSE(fs::exists(picture));

  // Players go before their windows: libvlc's X11 output must not outlive them.
  front.Stop();
  rear.Stop();
  front.ReleaseAll();
  rear.ReleaseAll();
}

}  // namespace
}  // namespace direvovu::gui
