#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/app/ab_loop.h"
#include "core/app/frame_step.h"
#include "core/app/pair_steps.h"
#include "core/app/playback_state.h"
#include "core/map/obd_report.h"
#include "core/recording/embedded_track.h"
#include "core/recording/track_state.h"
#include "core/recording/working_copies.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/pair_load.h"
#include "gui/app/pair_step_runner.h"
#include "gui/controls/prompts.h"
#include "gui/controls/timer_registry.h"
#include "player/media_player.h"

class QWidget;

namespace direvovu::gui {

// Makes the player of a channel; the viewer makes libvlc players, GUI tests fakes.
using PlayerFactory = std::function<std::unique_ptr<IChannelPlayer>(Channel)>;

// Empties both working copies (removed and made again empty); failures do not matter, the
// next load writes them anew.
void EmptyWorkingCopies(const WorkingFolders& folders);

// Who stops: the stop command and a failed load show PLAY, a stop on behalf of the play
// that follows does not, the end of the recording keeps the advance armed.
enum class StopKind { Command, Failed, Internal, EndOfFile };

// The playback of one pair of recordings: the load (working copies and track, off the
// window's thread), the start that lets both channels begin on the same picture, pause,
// resume, seek, rate, volume, stop and the end of the recording. The front channel is
// driven before the rear one except at a start or a resume, where the rear goes first
// (the front carries the sound and the clock and must not run ahead).
//
// Its state is one PairState, changed only by NextPairState; the calls to the two
// players are the sequences of pair_steps.h, run by its step runner. Its timers are its
// own. The window forwards its buttons here and draws what the signals report.
class PairPlayback : public QObject {
  Q_OBJECT

 public:
  // The start plays the front channel alone when the rear has not shown its first
  // picture within this time.
  static constexpr int kSyncWaitMs = 5000;
  // A load whose leading channel shows neither a picture nor an error in this time fails.
  static constexpr int kFirstPictureWaitMs = 10000;
  // A copy that takes longer than this shows how far it is.
  static constexpr int kProgressAfterMs = 500;

  PairPlayback(const WorkingFolders& folders, IPrompts& prompts, QObject* parent = nullptr);
  ~PairPlayback() override;
  PairPlayback(const PairPlayback&) = delete;
  PairPlayback& operator=(const PairPlayback&) = delete;

  // Creates and initialises both players over their video areas. False (with the
  // reason) when the media library is unusable.
  bool CreatePlayers(const PlayerFactory& make, QWidget* front_area, QWidget* rear_area, std::string* error);

  // --- commands ---
  // Loads a front recording and its rear companion: asks for a password where one is
  // needed, then copies and reads the track on a worker. False when the load failed at
  // once (its messages were shown); the rest of the load reports through the signals.
  bool Load(const std::filesystem::path& front_path);
  // The play command: resumes a paused pair, or loads the row `pick` names (nullopt:
  // there is none, and `pick` has said so). Waits, bounded, for the players to settle.
  void Play(const std::function<std::optional<std::filesystem::path>()>& pick);
  void Pause();
  // Another window pauses a playing pair and has it play on when it closes; a command
  // in between that leaves the pause (play, stop, a load) drops the hold.
  void PauseForWindow();
  void ResumeAfterWindow();
  void TogglePause(const std::function<std::optional<std::filesystem::path>()>& pick);
  // Stops the pair; a load under way is given up and its copies emptied.
  void Stop(StopKind kind);
  // The stop command: only with something loaded or loading, then the bounded wait for
  // the players to settle.
  void StopCommand();
  void SeekToSlider(int position, int range);
  void Nudge(std::int64_t delta_ms);
  void RateUp() { ChangeRate(true); }
  void RateDown() { ChangeRate(false); }
  // Any rate between the slowest and the fastest (the desktop's media controls ask so).
  void SetRate(float rate);
  void SetVolume(int step);
  void ToggleMute();
  [[nodiscard]] bool muted() const { return front_ != nullptr && front_->GetMute(); }
  // Seeks to a play time in microseconds (clamped inside the recording), as the slider
  // does; a still pair then shows, and reports, the frame at that time.
  void SeekToUs(std::int64_t target_us);

  // --- pair_playback_frames.cpp: reading a moment ---
  // A frame on or back on both channels, which stay on the same moment. A playing pair
  // pauses first; the first and last frame stay.
  void StepFrame(bool forward);
  // The loop key: A, then B (the pair loops A to B), then neither.
  void LoopKey();
  [[nodiscard]] const AbLoop& loop() const { return loop_; }
  // The pair's play time: the front's frame, exact while a paused pair steps frames.
  [[nodiscard]] std::int64_t PositionUs() const;
  [[nodiscard]] std::int64_t LengthMs() const;
  // The close: false while the players are still on their way to the first pictures
  // (the caller asks again). Gives up a copy, stops, releases the players and deletes the
  // working copies.
  bool Close();

  // --- what the window reads ---
  [[nodiscard]] PlaybackState state() const { return state_.phase; }
  [[nodiscard]] const PairState& pairState() const { return state_; }
  [[nodiscard]] bool loadPending() const { return LoadPending(state_.phase); }
  [[nodiscard]] bool loaded() const { return PairOpened(state_.phase); }
  [[nodiscard]] bool playing() const {
    return Running(state_.phase) || state_.phase == PlaybackState::Starting;
  }
  [[nodiscard]] bool closed() const { return state_.phase == PlaybackState::Closed; }
  [[nodiscard]] bool frontPresent() const { return state_.present.Has(PairChannel::Front); }
  [[nodiscard]] bool rearPresent() const { return state_.present.Has(PairChannel::Rear); }
  [[nodiscard]] bool autoAdvance() const { return state_.advance_armed; }
  [[nodiscard]] int startedCount() const { return state_.reported.Count(); }
  [[nodiscard]] float rate() const { return rate_; }
  [[nodiscard]] bool stopSettling() const { return state_.settle_left_ms > 0; }
  [[nodiscard]] const std::filesystem::path& recording() const { return front_path_; }
  [[nodiscard]] const TrackState& track() const { return track_; }
  TrackState& track() { return track_; }
  // The vehicle data beside the track, emptied with it; nothing fills it yet.
  [[nodiscard]] const DrivingData& driving() const { return driving_; }
  DrivingData& driving() { return driving_; }
  [[nodiscard]] IChannelPlayer* front() const { return front_.get(); }
  [[nodiscard]] IChannelPlayer* rear() const { return rear_.get(); }
  // The front player when the front channel is present, else the rear one.
  [[nodiscard]] IChannelPlayer* Leading() const;
  // The leading player has a pair open (playing or paused).
  [[nodiscard]] bool LeadingPlays() const;
  PasswordState& passwords() { return passwords_; }
  void DisarmAdvance();

  // Where the row that plays after this one comes from (the play list); asked once a
  // pair runs. Its working copies are then made ahead, under other names, so the advance
  // does not wait for a copy. Only rows that need no password question are prepared.
  void SetNextRowSource(std::function<std::optional<std::filesystem::path>()> next) {
    next_row_ = std::move(next);
  }
  // Throws prepared copies away (the list changed).
  void DiscardPrepared();
  // The recording whose copies are ready ahead (empty when none is).
  [[nodiscard]] std::filesystem::path preparedRecording() const;

  // Its own timers (playback_timers.h); tests tick them.
  TimerRegistry& timers() { return timers_; }
  // Tests: the fixed pauses between the two players' calls are scaled (0 = none), and
  // the bounded waits shortened.
  void SetPacing(double scale) { steps_.SetPacing(scale); }
  void SetSyncWait(int ms) { sync_wait_ms_ = ms; }
  void SetFirstPictureWait(int ms) { first_picture_wait_ms_ = ms; }

 signals:
  void stateChanged(PlaybackState state);
  // Which video areas to show.
  void channelsChanged(bool front, bool rear);
  // The track of a new pair is in place (the graphs' events are read for it).
  void trackLoaded();
  // A copy longer than half a second: how far it is (0..100), then -1 when it is over.
  void loadProgress(int percent);
  // Both channels run after a load (the start is over).
  void started();
  // The pair stopped: playback timers, readouts and time display go back to rest.
  void stopped(StopKind kind);
  // A load failed and said so; the window goes on with the next row.
  void loadFailed();
  // The leading channel reached its end.
  void ended();
  // A seek has reached the players: cursor and readouts follow at once.
  void seeked();
  // The rate or the volume changed (the indicators redraw).
  void indicatorsChanged();
  // A frame step reached the players (time, cursor and readouts follow).
  void frameStepped();
  // The A-B loop was set or cleared.
  void loopChanged();

 private:
  bool Apply(const PlaybackInput& input);
  void DefineTimers();
  [[nodiscard]] IChannelPlayer& Player(PairChannel channel) const;
  // One step of a sequence on its player; false ends the sequence.
  bool Perform(const ChannelStep& step, std::int64_t time_ms = 0);
  bool OpenChannel(PairChannel channel);
  void RunSteps(PairSequence sequence, std::function<void()> done = {});

  // pair_playback_load.cpp
  void CopiesDone(std::uint64_t generation, PairLoadOutcome outcome);
  void UseCopies(PairLoadOutcome outcome);
  void ReportProgress(std::uint64_t generation, int percent);
  bool ShowParseMessages(const PairTrackOutcome& outcome);
  void FailCopies(const WorkingCopiesResult& copies, const std::filesystem::path& front_path);
  void Fail(const QString& detail, bool show_message = true);
  void OpenAndStart();
  void StartPlayers();
  void OnPlaying(Channel channel);
  void OnEnded(Channel channel);
  void OnError(Channel channel, const QString& detail);
  void GiveUpOnRear();
  void ReleaseTogether();
  void FinishStart();
  void ApplyRate();

  // pair_playback_prepare.cpp
  void PrepareNext();
  void PreparedDone(std::uint64_t generation, PairLoadOutcome outcome);
  bool TakePrepared(const std::filesystem::path& front_path);

  // pair_playback_transport.cpp
  void TryPlay(const std::function<std::optional<std::filesystem::path>()>& pick, int attempts_left);
  void Resume();
  [[nodiscard]] bool SettledForPlay() const;
  [[nodiscard]] bool SettledForStop() const;
  void WaitForStopSettle();
  void SeekTo(std::int64_t target_ms);
  void FinishSeek();
  void ChangeRate(bool up);

  // pair_playback_frames.cpp
  [[nodiscard]] PairStill Still() const;
  void ApplyFrameStep(const FrameStepPlan& plan);
  void WatchLoop();
  void ForgetStill();

  const WorkingFolders& folders_;
  IPrompts& prompts_;
  TimerRegistry timers_;
  PairStepRunner steps_;
  std::unique_ptr<IChannelPlayer> front_;
  std::unique_ptr<IChannelPlayer> rear_;
  QWidget* front_area_ = nullptr;
  QWidget* rear_area_ = nullptr;
  PairLoadJob job_;
  // The next row's copies, made ahead.
  PairLoadJob prepare_job_;
  std::function<std::optional<std::filesystem::path>()> next_row_;
  std::filesystem::path prepared_path_;  // the row being prepared, or prepared
  std::optional<PairLoadOutcome> prepared_;
  std::optional<PasswordState> prepared_passwords_;
  std::uint64_t prepare_generation_ = 0;
  TrackState track_;
  DrivingData driving_;
  PasswordState passwords_;

  PairState state_;
  std::filesystem::path front_path_;
  int shown_percent_ = -1;
  float rate_ = 1.0F;
  int volume_step_ = 5;
  // The front's frame while a paused pair steps frames; forgotten once anything else moves it.
  std::optional<std::int64_t> still_frame_;
  // The frame a seek of a still pair goes to, known exactly while its steps run.
  std::optional<std::int64_t> seek_frame_;
  AbLoop loop_;
  QTimer* loop_watch_ = nullptr;
  int sync_wait_ms_ = kSyncWaitMs;
  int first_picture_wait_ms_ = kFirstPictureWaitMs;
};

}  // namespace direvovu::gui
