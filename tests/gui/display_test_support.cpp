#include "display_test_support.h"

#include <QPainter>

#include <cmath>
#include <cstdio>

#include "core/display/event_text.h"

namespace direvovu::test {

TrackState BrakingTrack(int seconds, int spike) {
  TrackState track;
  track.records.resize(static_cast<std::size_t>(seconds));
  double speed = 0;
  for (int i = 0; i < seconds; ++i) {
    TrackSecond& r = track.records[static_cast<std::size_t>(i)];
    const double before = speed;
    if (i < spike) {
      speed = std::min(82.0, speed + 9.0 - 0.1 * i);
    } else if (i == spike) {
      speed = 0;
    } else {
      speed = std::min(55.0, speed + 6.0);
    }
    r.speed = static_cast<int>(speed);
    r.accelX =
        i == spike ? static_cast<float>(-1.8) : (speed - before) / 3.6 / 9.81 + 0.03 * std::sin(i * 1.3);
    r.accelY = i == spike ? static_cast<float>(0.7) : 0.12 * std::sin(i * 0.4);
    r.accelZ = i == spike ? static_cast<float>(1.6) : 1.0 + 0.04 * std::cos(i * 2.1);
    std::snprintf(r.latitudeText, sizeof(r.latitudeText), "%.4f", 3842.4560 + i * 0.0123);
    std::snprintf(r.longitudeText, sizeof(r.longitudeText), "%.4f", -908.1300 - i * 0.0151);
    const int s = 7 + i;
    r.year = 2012;
    r.month = 3;
    r.day = 14;
    r.hour = 9;
    r.minute = 5 + s / 60;
    r.second = s % 60;
  }
  track.count = seconds;
  track.recordsPerSecond = 1.0;
  ComputePeakMagnitude(track);
  return track;
}

std::string BrakingEventText(int spike) {
  const int s = 7 + spike;
  char text[256];
  std::snprintf(text, sizeof(text),
                "[Event1]\r\nFile=drf0_20120314_090507.mp4\r\nDate=2012/03/14\r\nTime=09:%02d:%02d\r\n"
                "G_Sensor_X=-1.800\r\nG_Sensor_Y=0.700\r\nG_Sensor_Z=1.600\r\n",
                5 + s / 60, s % 60);
  return text;
}

std::vector<display::GraphEvent> BrakingEvents(const TrackState& track, int spike) {
  const std::string text = BrakingEventText(spike);
  const auto entries =
      display::ParseEventText(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  return display::GraphEventsOf(entries, track);
}

std::filesystem::path ScreenshotFolder() {
  std::filesystem::path folder = std::filesystem::path(DIREVOVU_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(folder);
  return folder;
}

bool HasSeveralColours(const QImage& image) {
  if (image.isNull()) return false;
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return true;
    }
  }
  return false;
}

bool PictureFakePlayer::TakeSnapshot(const std::filesystem::path& file) {
  if (!IsPlaying()) return false;
  QImage picture(VideoWidth(), VideoHeight(), QImage::Format_RGB32);
  picture.fill(colour_);
  QPainter painter(&picture);
  painter.fillRect(20, 20, 100, 60, Qt::white);
  painter.end();
  return picture.save(QString::fromStdString(file.string()), "PNG");
}

}  // namespace direvovu::test
