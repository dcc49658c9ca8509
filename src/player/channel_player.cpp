#include "player/channel_player.h"

#include <vlc/vlc.h>

#include <QMetaObject>

#include <algorithm>
#include <fstream>
#include <system_error>

namespace direvovu {
namespace {

std::string LibvlcError(const char* what) {
  const char* detail = libvlc_errmsg();
  std::string text = what;
  if (detail != nullptr && *detail != '\0') {
    text += ": ";
    text += detail;
  }
  return text;
}

// libvlc takes the system's narrow encoding on POSIX and UTF-8 on Windows.
std::string NarrowPath(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
#else
  return path.native();
#endif
}

bool IsReadableFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream probe(path, std::ios::binary);
  return probe.good();
}

}  // namespace

ChannelPlayer::ChannelPlayer(Channel channel, QStringList extra_options, QObject* parent)
    : IChannelPlayer(parent), channel_(channel), extra_options_(std::move(extra_options)) {}

ChannelPlayer::~ChannelPlayer() { ReleaseAll(); }

std::vector<std::string> ChannelPlayer::LibraryOptions(Channel channel, const QStringList& extra_options) {
  // libvlc 3 starts no interface by itself and finds its plug-ins in the system folder.
  // Snapshots are PNG because the viewer names them .png.
  std::vector<std::string> options = {
      "--no-one-instance",
      "--drop-late-frames",
      "--disable-screensaver",
      "--snapshot-format=png",
  };
  if (channel == Channel::kFront) {
    options.emplace_back("--audio-replay-gain-mode=track");
    options.emplace_back("--audio-replay-gain-default=30.0");
  }
  for (const char* option : {"--norm-buff-size=16", "--ignore-config", "--no-sub-autodetect-file",
                             "--no-video-title-show", "--verbose=0"}) {
    options.emplace_back(option);
  }
  for (const QString& extra : extra_options) options.push_back(extra.toStdString());
  return options;
}

PlayerResult ChannelPlayer::Init() {
  if (instance_ != nullptr) return PlayerResult::Success();
  const std::vector<std::string> options = LibraryOptions(channel_, extra_options_);
  std::vector<const char*> argv;
  argv.reserve(options.size());
  for (const std::string& option : options) argv.push_back(option.c_str());
  instance_ = libvlc_new(static_cast<int>(argv.size()), argv.data());
  if (instance_ == nullptr) {
    return PlayerResult::Failure(
        LibvlcError("The media library (libvlc) could not start; are the VLC plug-ins installed?"));
  }
  return CreatePlayer();
}

PlayerResult ChannelPlayer::CreatePlayer() {
  if (instance_ == nullptr) return PlayerResult::Failure("The media library is not started.");
  Release();
  player_ = libvlc_media_player_new(instance_);
  if (player_ == nullptr) return PlayerResult::Failure(LibvlcError("libvlc could not create a player"));
  ApplyDrawable();
  ApplyAudio();
  return PlayerResult::Success();
}

PlayerResult ChannelPlayer::Open(const std::filesystem::path& file) {
  if (instance_ == nullptr) return PlayerResult::Failure("The media library is not started.");
  if (!IsReadableFile(file)) return PlayerResult::Failure(file.string());
  Release();
  media_ = libvlc_media_new_path(instance_, NarrowPath(file).c_str());
  if (media_ == nullptr) return PlayerResult::Failure(LibvlcError(file.string().c_str()));
  player_ = libvlc_media_player_new_from_media(media_);
  if (player_ == nullptr) {
    libvlc_media_release(media_);
    media_ = nullptr;
    return PlayerResult::Failure(LibvlcError(file.string().c_str()));
  }
  file_ = file;
  ForgetPendingEvents();
  AttachEvents();
  ApplyDrawable();
  ApplyAudio();
  SetCropGeometry(crop_);
  return PlayerResult::Success();
}

void ChannelPlayer::Release() {
  ForgetPendingEvents();
  if (player_ != nullptr) {
    // Detaching waits for a callback in progress, so none runs after the release.
    DetachEvents();
    libvlc_media_player_stop(player_);
    libvlc_media_player_release(player_);
    player_ = nullptr;
  }
  if (media_ != nullptr) {
    libvlc_media_release(media_);
    media_ = nullptr;
  }
  file_.clear();
}

void ChannelPlayer::ReleaseAll() {
  Release();
  if (instance_ != nullptr) {
    libvlc_release(instance_);
    instance_ = nullptr;
  }
}

void ChannelPlayer::ForgetPendingEvents() {
  generation_.fetch_add(1);
  playing_reported_ = false;
  end_reported_ = false;
  failure_reported_ = false;
}

void ChannelPlayer::AttachEvents() {
  libvlc_event_manager_t* events = libvlc_media_player_event_manager(player_);
  for (const libvlc_event_e type :
       {libvlc_MediaPlayerPlaying, libvlc_MediaPlayerEndReached, libvlc_MediaPlayerEncounteredError}) {
    libvlc_event_attach(events, type, &ChannelPlayer::OnLibvlcEvent, this);
  }
  attached_ = true;
}

void ChannelPlayer::DetachEvents() {
  if (!attached_) return;
  libvlc_event_manager_t* events = libvlc_media_player_event_manager(player_);
  for (const libvlc_event_e type :
       {libvlc_MediaPlayerPlaying, libvlc_MediaPlayerEndReached, libvlc_MediaPlayerEncounteredError}) {
    libvlc_event_detach(events, type, &ChannelPlayer::OnLibvlcEvent, this);
  }
  attached_ = false;
}

// Runs on a libvlc thread: record the event and hand it to the GUI thread, nothing more.
void ChannelPlayer::OnLibvlcEvent(const libvlc_event_t* event, void* self) {
  auto* player = static_cast<ChannelPlayer*>(self);
  const std::uint64_t generation = player->generation_.load();
  const int type = event->type;
  QMetaObject::invokeMethod(
      player, [player, generation, type] { player->HandleEvent(generation, type); }, Qt::QueuedConnection);
}

void ChannelPlayer::HandleEvent(std::uint64_t generation, int type) {
  if (generation != generation_.load()) return;  // from a media replaced or stopped since
  if (failure_reported_) return;
  switch (type) {
    case libvlc_MediaPlayerPlaying:
      if (playing_reported_) return;
      // libvlc "plays" a file it could not read, with nothing in it; a recording has a length.
      if (libvlc_media_get_duration(media_) <= 0 && GetLength() <= 0) {
        ReportFailure();
        return;
      }
      playing_reported_ = true;
      ApplyAudio();  // some audio outputs only take the volume once they run
      emit playing();
      break;
    case libvlc_MediaPlayerEndReached:
      if (end_reported_) return;
      end_reported_ = true;
      if (playing_reported_) {
        emit endReached();
      } else {
        ReportFailure();  // ended without ever playing
      }
      break;
    case libvlc_MediaPlayerEncounteredError:
      ReportFailure();
      break;
    default:
      break;
  }
}

void ChannelPlayer::ReportFailure() {
  failure_reported_ = true;
  emit error(QString::fromStdString(file_.string()));
}

void ChannelPlayer::SetDrawable(std::uintptr_t window) {
  const bool detach = drawable_ != 0 && window == 0;
  drawable_ = window;
  if (detach && player_ != nullptr) {
    libvlc_media_player_set_xwindow(player_, 0);  // back to a window of libvlc's own
    return;
  }
  ApplyDrawable();
}

void ChannelPlayer::ApplyDrawable() {
  // Setting a window also resets the player's video output choice to "any", which would
  // override a "--vout" option; with no window there is nothing to set.
  if (player_ == nullptr || drawable_ == 0) return;
#if defined(_WIN32)
  libvlc_media_player_set_hwnd(player_, reinterpret_cast<void*>(drawable_));
#elif defined(__APPLE__)
  libvlc_media_player_set_nsobject(player_, reinterpret_cast<void*>(drawable_));
#else
  libvlc_media_player_set_xwindow(player_, static_cast<std::uint32_t>(drawable_));
#endif
  // Clicks and keys over the picture belong to the window (its menu, its keys), not to
  // libvlc's own video window inside it.
  libvlc_video_set_mouse_input(player_, 0);
  libvlc_video_set_key_input(player_, 0);
}

void ChannelPlayer::ApplyAudio() {
  if (player_ == nullptr) return;
  libvlc_audio_set_volume(player_, LibvlcVolumeFromStep(volume_step_));
  libvlc_audio_set_mute(player_, mute_ ? 1 : 0);
}

PlayerResult ChannelPlayer::Play() {
  if (player_ == nullptr) return PlayerResult::Failure("Nothing is open.");
  if (libvlc_media_player_play(player_) != 0) {
    return PlayerResult::Failure(LibvlcError(file_.string().c_str()));
  }
  return PlayerResult::Success();
}

void ChannelPlayer::Pause() {
  if (player_ != nullptr && GetState() == PlayerState::kPlaying) libvlc_media_player_set_pause(player_, 1);
}

void ChannelPlayer::Stop() {
  if (player_ == nullptr || GetState() == PlayerState::kIdle) return;
  ForgetPendingEvents();
  libvlc_media_player_stop(player_);
}

float ChannelPlayer::GetRate() const {
  return player_ != nullptr ? libvlc_media_player_get_rate(player_) : 1.0F;
}

void ChannelPlayer::SetRate(float rate) {
  if (player_ != nullptr) libvlc_media_player_set_rate(player_, rate);
}

float ChannelPlayer::GetPosition() const {
  return player_ != nullptr ? libvlc_media_player_get_position(player_) : 0.0F;
}

void ChannelPlayer::SetPosition(float position) {
  if (player_ != nullptr) libvlc_media_player_set_position(player_, position);
}

std::int64_t ChannelPlayer::GetLength() const {
  return player_ != nullptr ? libvlc_media_player_get_length(player_) : 0;
}

std::int64_t ChannelPlayer::GetTime() const {
  return player_ != nullptr ? libvlc_media_player_get_time(player_) : 0;
}

void ChannelPlayer::SetTime(std::int64_t ms) {
  if (player_ != nullptr) libvlc_media_player_set_time(player_, ms);
}

PlayerState ChannelPlayer::GetState() const {
  if (player_ == nullptr) return PlayerState::kIdle;
  return PlayerStateFromLibvlc(static_cast<int>(libvlc_media_player_get_state(player_)));
}

bool ChannelPlayer::TakeSnapshot(const std::filesystem::path& file) {
  if (!IsPlaying()) return false;
  // libvlc waits only half a second for the next picture; a busy machine (or a paused
  // player whose picture is being redrawn) misses that, so it gets a few tries.
  constexpr int kAttempts = 4;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    // Width and height 0 keep the video's own size.
    if (libvlc_video_take_snapshot(player_, 0, NarrowPath(file).c_str(), 0, 0) == 0) {
      std::error_code error;
      return std::filesystem::is_regular_file(file, error);
    }
  }
  return false;
}

bool ChannelPlayer::CanPause() const {
  return player_ != nullptr && libvlc_media_player_can_pause(player_) != 0;
}

bool ChannelPlayer::IsSeekable() const {
  return player_ != nullptr && libvlc_media_player_is_seekable(player_) != 0;
}

void ChannelPlayer::SetMute(bool mute) {
  mute_ = mute;
  if (player_ != nullptr) libvlc_audio_set_mute(player_, mute ? 1 : 0);
}

void ChannelPlayer::SetVolume(int step) {
  volume_step_ = std::clamp(step, 0, kMaxVolumeStep);
  if (player_ != nullptr) libvlc_audio_set_volume(player_, LibvlcVolumeFromStep(volume_step_));
}

bool ChannelPlayer::VideoSize(unsigned* width, unsigned* height) const {
  return player_ != nullptr && libvlc_video_get_size(player_, 0, width, height) == 0;
}

int ChannelPlayer::VideoWidth() const {
  unsigned width = 0;
  unsigned height = 0;
  return VideoSize(&width, &height) ? static_cast<int>(width) : 0;
}

int ChannelPlayer::VideoHeight() const {
  unsigned width = 0;
  unsigned height = 0;
  return VideoSize(&width, &height) ? static_cast<int>(height) : 0;
}

int ChannelPlayer::GetFps() const {
  const FrameRate rate = GetFrameRate();
  return rate.Known() ? static_cast<int>(rate.num / rate.den) : 0;
}

FrameRate ChannelPlayer::GetFrameRate() const {
  if (media_ == nullptr) return {0, 1};
  libvlc_media_track_t** tracks = nullptr;
  const unsigned count = libvlc_media_tracks_get(media_, &tracks);
  FrameRate rate{0, 1};
  for (unsigned i = 0; i < count && !rate.Known(); ++i) {
    const libvlc_media_track_t* track = tracks[i];
    if (track->i_type == libvlc_track_video && track->video->i_frame_rate_den != 0) {
      rate = {track->video->i_frame_rate_num, track->video->i_frame_rate_den};
    }
  }
  if (tracks != nullptr) libvlc_media_tracks_release(tracks, count);
  return rate;
}

void ChannelPlayer::NextFrame() {
  if (player_ != nullptr && IsPlaying()) libvlc_media_player_next_frame(player_);
}

void ChannelPlayer::SetCropGeometry(const std::string& geometry) {
  crop_ = geometry;
  if (player_ != nullptr) libvlc_video_set_crop_geometry(player_, crop_.empty() ? nullptr : crop_.c_str());
}

int ChannelPlayer::LostPictures() const {
  if (media_ == nullptr) return 0;
  libvlc_media_stats_t stats{};
  if (libvlc_media_get_stats(media_, &stats) == 0) return 0;
  return stats.i_lost_pictures;
}

void ChannelPlayer::ToggleFullscreen() {
  if (IsPlaying()) libvlc_toggle_fullscreen(player_);
}

void ChannelPlayer::SetFullscreen(bool on) {
  if (player_ != nullptr) libvlc_set_fullscreen(player_, on ? 1 : 0);
}

bool ChannelPlayer::GetFullscreen() const {
  return player_ != nullptr && libvlc_get_fullscreen(player_) != 0;
}

void ChannelPlayer::SetAspect4x3() {
  if (player_ != nullptr) libvlc_video_set_aspect_ratio(player_, "4:3");
}

}  // namespace direvovu
