#include "gui/app/mpris_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include "core/app/transport.h"

namespace direvovu::gui {
namespace {

constexpr char kPlayerInterface[] = "org.mpris.MediaPlayer2.Player";
constexpr char kNoTrack[] = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
constexpr double kVolumeSteps = kLoudestStep;

}  // namespace

MprisService::MprisService(MediaControls controls, QObject* parent)
    : QObject(parent), controls_(std::move(controls)) {
  new MprisRootAdaptor(this);
  new MprisPlayerAdaptor(this);
}

MprisService::~MprisService() {
  if (!registered_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterObject(QLatin1String(kMprisPath));
  bus.unregisterService(service_);
}

bool MprisService::Register() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  if (!bus.registerObject(QLatin1String(kMprisPath), this, QDBusConnection::ExportAdaptors)) return false;
  // A second player of ours (another root) takes the per-process name MPRIS allows.
  for (const QString& name :
       {QString::fromLatin1(kMprisService), QStringLiteral("%1.instance%2")
                                                .arg(QLatin1String(kMprisService))
                                                .arg(QCoreApplication::applicationPid())}) {
    if (bus.registerService(name)) {
      service_ = name;
      registered_ = true;
      announced_ = PlayerProperties();
      return true;
    }
  }
  bus.unregisterObject(QLatin1String(kMprisPath));
  return false;
}

QDBusObjectPath MprisService::TrackId() const {
  if (track_recording_.isEmpty()) return QDBusObjectPath(QLatin1String(kNoTrack));
  return QDBusObjectPath(QStringLiteral("/org/direvovu/track/%1").arg(track_number_));
}

QVariantMap MprisService::Metadata() const {
  QVariantMap metadata;
  metadata.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId()));
  if (track_recording_.isEmpty()) return metadata;
  const std::int64_t length_ms = controls_.length_ms();
  if (length_ms > 0)
    metadata.insert(QStringLiteral("mpris:length"), static_cast<qlonglong>(length_ms) * 1000);
  metadata.insert(QStringLiteral("xesam:title"), QFileInfo(track_recording_).fileName());
  metadata.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(track_recording_).toString());
  return metadata;
}

QVariantMap MprisService::PlayerProperties() const {
  return {
      {QStringLiteral("PlaybackStatus"), controls_.status()},
      {QStringLiteral("Rate"), controls_.rate()},
      {QStringLiteral("Metadata"), Metadata()},
      {QStringLiteral("Volume"), controls_.volume() / kVolumeSteps},
      {QStringLiteral("CanGoNext"), controls_.has_next()},
      {QStringLiteral("CanGoPrevious"), controls_.has_previous()},
      {QStringLiteral("CanSeek"), controls_.length_ms() > 0},
  };
}

void MprisService::Refresh() {
  const QString recording = controls_.recording();
  if (recording != track_recording_) {
    track_recording_ = recording;
    if (!recording.isEmpty()) ++track_number_;
  }
  if (!registered_) return;
  const QVariantMap now = PlayerProperties();
  QVariantMap changed;
  for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
    if (announced_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
  }
  announced_ = now;
  if (changed.isEmpty()) return;
  QDBusMessage signal =
      QDBusMessage::createSignal(QLatin1String(kMprisPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                 QStringLiteral("PropertiesChanged"));
  signal << QString::fromLatin1(kPlayerInterface) << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
}

void MprisService::Jumped() {
  if (!registered_) return;
  if (auto* player = findChild<MprisPlayerAdaptor*>()) emit player->Seeked(controls_.position_us());
}

// --- org.mpris.MediaPlayer2 ---

MprisRootAdaptor::MprisRootAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service) {}

QString MprisRootAdaptor::identity() { return QStringLiteral("DirevOvu"); }

// The launcher's name, without ".desktop".
QString MprisRootAdaptor::desktopEntry() { return QStringLiteral("direvovu"); }

QStringList MprisRootAdaptor::supportedUriSchemes() { return {QStringLiteral("file")}; }

QStringList MprisRootAdaptor::supportedMimeTypes() { return {QStringLiteral("video/mp4")}; }

void MprisRootAdaptor::Raise() { service_->controls().raise(); }

void MprisRootAdaptor::Quit() { service_->controls().quit(); }

// --- org.mpris.MediaPlayer2.Player ---

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service) {}

QString MprisPlayerAdaptor::playbackStatus() const { return controls().status(); }

double MprisPlayerAdaptor::rate() const { return controls().rate(); }

void MprisPlayerAdaptor::setRate(double rate) {
  // A rate of 0 means pause, as the interface says.
  if (rate <= 0) {
    controls().pause();
    return;
  }
  controls().set_rate(std::clamp(rate, minimumRate(), maximumRate()));
}

QVariantMap MprisPlayerAdaptor::metadata() const { return service_->Metadata(); }

double MprisPlayerAdaptor::volume() const { return controls().volume() / kVolumeSteps; }

void MprisPlayerAdaptor::setVolume(double volume) {
  controls().set_volume(static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * kVolumeSteps)));
}

qlonglong MprisPlayerAdaptor::position() const { return controls().position_us(); }

double MprisPlayerAdaptor::minimumRate() { return kSlowestRate; }

double MprisPlayerAdaptor::maximumRate() { return kFastestRate; }

bool MprisPlayerAdaptor::canGoNext() const { return controls().has_next(); }

bool MprisPlayerAdaptor::canGoPrevious() const { return controls().has_previous(); }

bool MprisPlayerAdaptor::canSeek() const { return controls().length_ms() > 0; }

void MprisPlayerAdaptor::Next() { controls().next(); }

void MprisPlayerAdaptor::Previous() { controls().previous(); }

void MprisPlayerAdaptor::Pause() { controls().pause(); }

void MprisPlayerAdaptor::PlayPause() { controls().play_pause(); }

void MprisPlayerAdaptor::Stop() { controls().stop(); }

void MprisPlayerAdaptor::Play() { controls().play(); }

void MprisPlayerAdaptor::Seek(qlonglong offset) {
  const std::int64_t length_ms = controls().length_ms();
  if (length_ms <= 0) return;
  const std::int64_t target_us = controls().position_us() + offset;
  // Past the end is the next recording, before the start is the start.
  if (target_us > length_ms * 1000) {
    controls().next();
    return;
  }
  controls().seek_to(std::max<std::int64_t>(target_us, 0));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong position) {
  // A position meant for another recording, or outside this one, is ignored.
  if (track != service_->TrackId() || position < 0 || position > controls().length_ms() * 1000) return;
  controls().seek_to(position);
}

// Only recordings on this machine: the pair's companion is found beside the front file.
void MprisPlayerAdaptor::OpenUri(const QString& uri) {
  const QUrl url(uri);
  if (url.isLocalFile()) controls().open(url.toLocalFile());
}

}  // namespace direvovu::gui
