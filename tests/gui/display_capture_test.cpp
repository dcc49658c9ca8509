#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/display/bmp_header.h"
#include "core/settings/texts.h"
#include "display_test_support.h"
#include "gui/controls/picture_capture.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"
#include "gui/display/capture.h"
#include "gui/display/printing.h"
#include "recording_prompts.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using test::PictureFakePlayer;

fs::path Folder(const QTemporaryDir& dir) { return fs::path(dir.path().toStdString()); }

int PdfPageCount(const fs::path& pdf) {
  QFile file(QString::fromStdString(pdf.string()));
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  return static_cast<int>(
      QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

class DisplayCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    front.SetState(PlayerState::kPlaying);
    rear.SetState(PlayerState::kPlaying);
    front.SetTime(65000);
    playback.front = &front;
    playback.rear = &rear;
    playback.frontRecording = "/card/Blackbox/drf0_20090807_142530.mp4";
    playback.rearRecording = "/card/Blackbox/drf1_20090807_142530.mp4";
    playback.pause = [this] {
      front.Pause();
      rear.Pause();
    };
    playback.play = [this] {
      rear.Play();
      front.Play();
    };
  }

  PictureFakePlayer front{QColor(200, 40, 40)};
  PictureFakePlayer rear{QColor(40, 40, 200)};
  PlaybackView playback;
  QTemporaryDir dir;
  test::RecordingPrompts messages;
};

TEST_F(DisplayCapture, BothChannelsAreSavedUnderTheRecordingNameAndPlaybackGoesOn) {
  const fs::path capture = Folder(dir) / "CAPTURE";  // missing: made on the way
  const CaptureResult result = CaptureVideo(playback, capture, messages);
  ASSERT_TRUE(result.attempted);
  EXPECT_EQ(result.frontFile, capture / "drf0_20090807_142530.mp4_000105.png");
  EXPECT_EQ(result.rearFile, capture / "drf1_20090807_142530.mp4_000105.png");
  EXPECT_TRUE(result.frontWritten && result.rearWritten);
  EXPECT_FALSE(QImage(QString::fromStdString(result.frontFile.string())).isNull());
  ASSERT_EQ(messages.rows(), std::vector<MessageId>{msg::kCaptureSaved});
  EXPECT_EQ(messages.requests()[0].detail,
            QString::fromStdString(result.frontFile.string() + "\n" + result.rearFile.string()));
  EXPECT_EQ(front.pauses(), 1);
  EXPECT_EQ(front.GetState(), PlayerState::kPlaying);  // played on
}

TEST_F(DisplayCapture, PausedPairStaysPausedAndRearOnlyNamesJustTheRear) {
  front.SetState(PlayerState::kPaused);
  playback.front = nullptr;
  rear.SetState(PlayerState::kPaused);
  rear.SetTime(3725000);
  const CaptureResult result = CaptureVideo(playback, Folder(dir), messages);
  EXPECT_TRUE(result.frontFile.empty());
  EXPECT_EQ(result.rearFile.filename(), "drf1_20090807_142530.mp4_010205.png");
  ASSERT_EQ(messages.requests().size(), 1U);
  EXPECT_EQ(messages.requests()[0].detail, QString::fromStdString("\n" + result.rearFile.string()));
  EXPECT_EQ(rear.plays(), 0);
  EXPECT_EQ(rear.GetState(), PlayerState::kPaused);
}

TEST_F(DisplayCapture, NothingHappensWhileStoppedOrLoading) {
  front.SetState(PlayerState::kStopped);
  EXPECT_FALSE(CaptureVideo(playback, Folder(dir), messages).attempted);
  front.SetState(PlayerState::kPlaying);
  playback.loadPending = true;
  EXPECT_FALSE(CaptureVideo(playback, Folder(dir), messages).attempted);
  EXPECT_TRUE(messages.requests().empty());
  EXPECT_EQ(front.pauses(), 0);
}

// Regression: an unwritable folder used to be reported as saved.
TEST_F(DisplayCapture, UnwritableFolderIsNotReportedAsSaved) {
  const fs::path blocked = Folder(dir) / "file";
  QFile(QString::fromStdString(blocked.string())).open(QIODevice::WriteOnly);
  const CaptureResult result = CaptureVideo(playback, blocked / "CAPTURE", messages);
  EXPECT_FALSE(result.frontWritten);
  EXPECT_EQ(messages.rows(), std::vector<MessageId>{msg::kSelectCaptureFolder});
  EXPECT_EQ(front.GetState(), PlayerState::kPlaying);
}

TEST_F(DisplayCapture, PrintToPdfMakesOnePageAndDeletesThePicture) {
  const fs::path picture = Folder(dir) / "BlackBox_Capture.png";
  const fs::path pdf = Folder(dir) / "page.pdf";
  EXPECT_EQ(PrintVideo(playback, picture, PrintTarget{pdf, &messages}), PrintOutcome::Printed);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_FALSE(fs::exists(picture));
  EXPECT_EQ(front.GetState(), PlayerState::kPlaying);
  EXPECT_TRUE(messages.requests().empty());
}

TEST_F(DisplayCapture, PrintedPictureFollowsTheScalingRule) {
  QImage page(4960, 7015, QImage::Format_RGB32);
  page.fill(Qt::white);
  const fs::path picture = Folder(dir) / "p.png";
  QImage source(720, 480, QImage::Format_RGB32);
  source.fill(Qt::black);
  ASSERT_TRUE(source.save(QString::fromStdString(picture.string())));
  QPainter painter(&page);
  ASSERT_TRUE(PrintPictureFile(painter, page.rect(), picture, messages));
  painter.end();
  EXPECT_EQ(page.pixelColor(4959, 2879), QColor(Qt::black));  // 4960 wide, 2880 high
  EXPECT_EQ(page.pixelColor(0, 2881), QColor(Qt::white));
  EXPECT_FALSE(fs::exists(picture));
}

TEST_F(DisplayCapture, UnreadablePictureIsReported) {
  const fs::path picture = Folder(dir) / "broken.png";
  QFile broken(QString::fromStdString(picture.string()));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  QImage page(100, 100, QImage::Format_RGB32);
  QPainter painter(&page);
  EXPECT_FALSE(PrintPictureFile(painter, page.rect(), picture, messages));
  painter.end();
  ASSERT_EQ(messages.alerts().size(), 1U);
  EXPECT_EQ(messages.alerts()[0], UiText(TextTable::ProgramTexts, rows::program_texts::kCantMakePrinterFile));
}

TEST_F(DisplayCapture, PrintWithoutPrinterShowsMessageZero) {
  if (PrinterAvailable(PrintTarget{})) GTEST_SKIP() << "this machine has a printer";
  const fs::path picture = Folder(dir) / "BlackBox_Capture.png";
  EXPECT_EQ(PrintVideo(playback, picture, PrintTarget{std::nullopt, &messages}), PrintOutcome::NoPrinter);
  EXPECT_EQ(messages.rows(), std::vector<MessageId>{msg::kNoPrinter});
  EXPECT_FALSE(fs::exists(picture));
  EXPECT_EQ(front.GetState(), PlayerState::kPlaying);
}

TEST(DisplayWindowCapture, WritesABmpOfTheAreaAtTheScreensDepth) {
  QWidget window;
  window.resize(200, 120);
  QLabel* label = new QLabel(QStringLiteral("map"), &window);
  label->setGeometry(0, 0, 200, 120);
  label->setStyleSheet(QStringLiteral("background: rgb(10, 200, 30); color: white;"));
  QTemporaryDir dir;
  const fs::path file = Folder(dir) / "20260308_090507.bmp";
  ASSERT_TRUE(CaptureWindowArea(&window, 10, 20, 101, 50, file));
  QFile bmp(QString::fromStdString(file.string()));
  ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
  const QByteArray bytes = bmp.readAll();
  ASSERT_GE(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), "BM");
  const int bits = CaptureBitsPerPixel(&window);
  const auto offset = static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[10]) |
                                                 static_cast<std::uint8_t>(bytes[11]) << 8);
  EXPECT_EQ(offset, display::BmpPixelOffset(static_cast<std::uint16_t>(bits)));
  const QImage image(QString::fromStdString(file.string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(101, 50));
  EXPECT_EQ(image.pixelColor(50, 25).green(), 200);
  EXPECT_FALSE(CaptureWindowArea(&window, 0, 0, 10, 10, Folder(dir) / "missing" / "x.bmp"));
  EXPECT_FALSE(CaptureWindowArea(&window, 0, 0, 0, 10, Folder(dir) / "y.bmp"));
}

TEST(DisplayWindowCapture, EveryScreenDepthMakesABmpThatReadsBack) {
  QImage picture(37, 11, QImage::Format_RGB32);  // odd width: rows need padding
  picture.fill(QColor(250, 250, 250));
  for (int x = 0; x < 37; ++x) picture.setPixelColor(x, 0, QColor(200, 0, 0));
  QTemporaryDir dir;
  for (const int bits : {8, 16, 24, 32}) {
    const auto bmp = BmpOfImage(picture, bits);
    const fs::path file = Folder(dir) / ("depth" + std::to_string(bits) + ".bmp");
    ASSERT_TRUE(display::SaveBmpFile(file, bmp)) << bits;
    const QImage back(QString::fromStdString(file.string()));
    ASSERT_EQ(back.size(), picture.size()) << bits;
    EXPECT_GT(back.pixelColor(5, 0).red(), 150) << bits;  // the top row stays on top
    EXPECT_LT(back.pixelColor(5, 0).green(), 60) << bits;
    EXPECT_GT(back.pixelColor(5, 10).green(), 200) << bits;
  }
}

}  // namespace
}  // namespace direvovu::gui
