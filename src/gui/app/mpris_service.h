#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <functional>

namespace direvovu::gui {

// MPRIS 2 names: one player of this program on the session bus.
inline constexpr char kMprisService[] = "org.mpris.MediaPlayer2.direvovu";
inline constexpr char kMprisPath[] = "/org/mpris/MediaPlayer2";

// What the desktop's media keys and widgets may ask and read. The main window fills it
// with its own commands, so each goes through the same controller as its button.
struct MediaControls {
  std::function<void()> raise;
  std::function<void()> quit;
  std::function<void()> play;
  std::function<void()> pause;
  std::function<void()> play_pause;
  std::function<void()> stop;
  std::function<void()> next;
  std::function<void()> previous;
  std::function<void(std::int64_t us)> seek_to;
  std::function<void(double rate)> set_rate;
  std::function<void(int step)> set_volume;       // 0..10
  std::function<void(const QString& path)> open;  // a local recording becomes the play list

  // "Playing", "Paused" or "Stopped".
  std::function<QString()> status;
  std::function<std::int64_t()> position_us;
  std::function<std::int64_t()> length_ms;
  std::function<QString()> recording;  // the front recording's path; empty when none
  std::function<double()> rate;
  std::function<int()> volume;  // 0..10
  std::function<bool()> has_next;
  std::function<bool()> has_previous;
};

// The program on the session bus as an MPRIS 2 media player: the root and the player
// interfaces on one object, PropertiesChanged when what they report changes, Seeked when
// the play time jumps. Without a session bus it stays off the bus and nothing else changes.
class MprisService : public QObject {
  Q_OBJECT

 public:
  explicit MprisService(MediaControls controls, QObject* parent = nullptr);
  ~MprisService() override;
  MprisService(const MprisService&) = delete;
  MprisService& operator=(const MprisService&) = delete;

  // Takes the bus name and the object; false without a session bus or when both the name
  // and its per-process form are taken.
  bool Register();
  [[nodiscard]] bool registered() const { return registered_; }
  [[nodiscard]] const QString& serviceName() const { return service_; }

  // Something the properties show may have changed: the changed ones are announced.
  void Refresh();
  // The play time jumped (a seek or a frame step).
  void Jumped();

  [[nodiscard]] const MediaControls& controls() const { return controls_; }
  [[nodiscard]] QVariantMap Metadata() const;
  [[nodiscard]] QDBusObjectPath TrackId() const;

 private:
  [[nodiscard]] QVariantMap PlayerProperties() const;

  MediaControls controls_;
  QString service_;
  bool registered_ = false;
  QVariantMap announced_;
  QString track_recording_;
  int track_number_ = 0;
};

// org.mpris.MediaPlayer2
class MprisRootAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ canQuit)
  Q_PROPERTY(bool CanRaise READ canRaise)
  Q_PROPERTY(bool CanSetFullscreen READ canSetFullscreen)
  Q_PROPERTY(bool Fullscreen READ fullscreen)
  Q_PROPERTY(bool HasTrackList READ hasTrackList)
  Q_PROPERTY(QString Identity READ identity)
  Q_PROPERTY(QString DesktopEntry READ desktopEntry)
  Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
  Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)

 public:
  explicit MprisRootAdaptor(MprisService* service);

  [[nodiscard]] static bool canQuit() { return true; }
  [[nodiscard]] static bool canRaise() { return true; }
  [[nodiscard]] static bool canSetFullscreen() { return false; }
  [[nodiscard]] static bool fullscreen() { return false; }
  [[nodiscard]] static bool hasTrackList() { return false; }
  [[nodiscard]] static QString identity();
  [[nodiscard]] static QString desktopEntry();
  [[nodiscard]] static QStringList supportedUriSchemes();
  [[nodiscard]] static QStringList supportedMimeTypes();

 public slots:  // NOLINT(readability-redundant-access-specifiers): the bus calls slots
  void Raise();
  void Quit();

 private:
  MprisService* service_;
};

// org.mpris.MediaPlayer2.Player
class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
  Q_PROPERTY(double Rate READ rate WRITE setRate)
  Q_PROPERTY(QVariantMap Metadata READ metadata)
  Q_PROPERTY(double Volume READ volume WRITE setVolume)
  Q_PROPERTY(qlonglong Position READ position)
  Q_PROPERTY(double MinimumRate READ minimumRate)
  Q_PROPERTY(double MaximumRate READ maximumRate)
  Q_PROPERTY(bool CanGoNext READ canGoNext)
  Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
  Q_PROPERTY(bool CanPlay READ canPlay)
  Q_PROPERTY(bool CanPause READ canPause)
  Q_PROPERTY(bool CanSeek READ canSeek)
  Q_PROPERTY(bool CanControl READ canControl)

 public:
  explicit MprisPlayerAdaptor(MprisService* service);

  [[nodiscard]] QString playbackStatus() const;
  [[nodiscard]] double rate() const;
  void setRate(double rate);
  [[nodiscard]] QVariantMap metadata() const;
  [[nodiscard]] double volume() const;
  void setVolume(double volume);
  [[nodiscard]] qlonglong position() const;
  [[nodiscard]] static double minimumRate();
  [[nodiscard]] static double maximumRate();
  [[nodiscard]] bool canGoNext() const;
  [[nodiscard]] bool canGoPrevious() const;
  [[nodiscard]] static bool canPlay() { return true; }
  [[nodiscard]] static bool canPause() { return true; }
  [[nodiscard]] bool canSeek() const;
  [[nodiscard]] static bool canControl() { return true; }

 public slots:  // NOLINT(readability-redundant-access-specifiers): the bus calls slots
  void Next();
  void Previous();
  void Pause();
  void PlayPause();
  void Stop();
  void Play();
  void Seek(qlonglong offset);
  void SetPosition(const QDBusObjectPath& track, qlonglong position);
  void OpenUri(const QString& uri);

 signals:
  void Seeked(qlonglong position);

 private:
  [[nodiscard]] const MediaControls& controls() const { return service_->controls(); }

  MprisService* service_;
};

}  // namespace direvovu::gui
