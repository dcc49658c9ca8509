#include "test_clip.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace direvovu::testing {

TestClip::TestClip(int seconds) {
  if (!dir_.isValid()) return;
  const QString file = dir_.filePath(QStringLiteral("clip.mp4"));
  const QString length = QString::number(seconds);
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {"-v",
                                          "error",
                                          "-y",
                                          "-f",
                                          "lavfi",
                                          "-i",
                                          "testsrc=size=320x180:rate=30",
                                          "-f",
                                          "lavfi",
                                          "-i",
                                          "sine=frequency=440:sample_rate=48000",
                                          "-t",
                                          length,
                                          "-c:v",
                                          "libx264",
                                          "-pix_fmt",
                                          "yuv420p",
                                          "-c:a",
                                          "aac",
                                          "-shortest",
                                          file});
  if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit ||
      ffmpeg.exitCode() != 0) {
    return;
  }
  path_ = file.toStdString();
}

std::filesystem::path TestClip::folder() const { return dir_.path().toStdString(); }

bool WaitUntil(const std::function<bool()>& condition, int bound_ms) {
  QDeadlineTimer deadline(bound_ms);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

}  // namespace direvovu::testing
