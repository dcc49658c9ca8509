#include "fake_player.h"

#include <QImage>

#include <algorithm>
#include <sstream>

namespace direvovu::test {
namespace {

std::string Number(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

}  // namespace

FakePlayer::FakePlayer(Channel channel, Log log, QObject* parent)
    : IChannelPlayer(parent), name_(channel == Channel::kFront ? "front" : "rear"), log_(std::move(log)) {}

void FakePlayer::Record(const std::string& call) const { log_->push_back(name_ + " " + call); }

void FakePlayer::SetClock(std::int64_t time_ms, std::int64_t length_ms) {
  time_ms_ = time_ms;
  length_ms_ = length_ms;
}

void FakePlayer::ReportPlaying() {
  state_ = PlayerState::kPlaying;
  emit playing();
}

void FakePlayer::ReportEnd() {
  state_ = PlayerState::kEnded;
  emit endReached();
}

void FakePlayer::ReportError(const QString& message) {
  state_ = PlayerState::kError;
  emit error(message);
}

PlayerResult FakePlayer::Init() {
  Record("Init");
  return init_failure_.empty() ? PlayerResult::Success() : PlayerResult::Failure(init_failure_);
}

PlayerResult FakePlayer::Open(const std::filesystem::path& file) {
  Record("Open");
  if (!open_failure_.empty()) return PlayerResult::Failure(open_failure_);
  file_ = file;
  state_ = PlayerState::kIdle;  // a new libvlc player starts with nothing special
  rate_ = 1.0F;
  time_ms_ = 0;
  return PlayerResult::Success();
}

void FakePlayer::Release() {
  Record("Release");
  file_.clear();
  state_ = PlayerState::kIdle;
}

void FakePlayer::SetDrawable(std::uintptr_t window) {
  Record("SetDrawable");
  drawable_ = window;
}

PlayerResult FakePlayer::Play() {
  Record("Play");
  if (file_.empty()) return PlayerResult::Failure("Nothing is open.");
  // libvlc is "opening" until it reports playing; a resume goes straight back to playing.
  state_ = state_ == PlayerState::kPaused ? PlayerState::kPlaying : PlayerState::kOpening;
  return PlayerResult::Success();
}

void FakePlayer::Pause() {
  Record("Pause");
  if (state_ == PlayerState::kPlaying) state_ = PlayerState::kPaused;
}

void FakePlayer::Stop() {
  Record("Stop");
  if (state_ != PlayerState::kIdle && !ignore_stop_) state_ = PlayerState::kStopped;
}

void FakePlayer::SetRate(float rate) {
  Record("SetRate(" + Number(rate) + ")");
  rate_ = rate;
}

float FakePlayer::GetPosition() const {
  return length_ms_ > 0 ? static_cast<float>(time_ms_) / static_cast<float>(length_ms_) : 0.0F;
}

void FakePlayer::SetPosition(float position) {
  Record("SetPosition(" + Number(position) + ")");
  time_ms_ = static_cast<std::int64_t>(position * static_cast<float>(length_ms_));
}

void FakePlayer::SetTime(std::int64_t ms) {
  Record("SetTime(" + std::to_string(ms) + ")");
  time_ms_ = ms;
}

void FakePlayer::NextFrame() {
  Record("NextFrame");
  if (!IsPlaying()) return;
  state_ = PlayerState::kPaused;
  const std::int64_t frame = FrameAt(time_ms_ * 1000, frame_rate_) + 1;
  time_ms_ = std::min(FrameStartUs(frame, frame_rate_) / 1000, length_ms_);
}

void FakePlayer::SetCropGeometry(const std::string& geometry) {
  Record("SetCropGeometry(" + geometry + ")");
  crop_ = geometry;
}

bool FakePlayer::TakeSnapshot(const std::filesystem::path& file) {
  Record("TakeSnapshot");
  if (!IsPlaying()) return false;
  QImage picture(video_size_, QImage::Format_RGB32);
  picture.fill(Qt::darkGray);
  return picture.save(QString::fromStdString(file.string()), "PNG");
}

void FakePlayer::SetMute(bool mute) {
  Record(mute ? "SetMute(true)" : "SetMute(false)");
  mute_ = mute;
}

void FakePlayer::SetVolume(int step) {
  Record("SetVolume(" + std::to_string(step) + ")");
  volume_ = std::clamp(step, 0, kMaxVolumeStep);
}

}  // namespace direvovu::test
