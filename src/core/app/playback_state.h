#pragma once

#include <cstdint>
#include <optional>

#include "core/app/pair_channels.h"

namespace direvovu {

// Where the playback of the pair stands.
enum class PlaybackState {
  Idle,           // nothing loaded
  Loading,        // the working copies are being written (off the window's thread)
  Opening,        // the copies are ready; the players open on the next tick
  Starting,       // the players run up to their first pictures, to be let go together
  Playing,        //
  Paused,         //
  Seeking,        // a seek's steps run; playing resumes after them
  SeekingPaused,  // a seek's steps run; the pictures stay still after them
  Closed,         // the window closed; nothing moves any more
};

// What can happen to it: commands of the user and reports of the load and the players.
enum class PlaybackEvent {
  Load,           // a row is to be played
  CopiesReady,    // the working copies and the track are in place (input: the playable channels)
  PlayersOpened,  // both players opened and started
  FirstPicture,   // a channel holds at its first picture (input: that channel)
  RearGivenUp,    // the rear never showed a picture: the front plays alone
  Released,       // both channels were let go together
  Failed,         // the load, or a player, failed
  Pause,
  Resume,
  WindowPause,   // another window pauses the pair and resumes it when it closes
  WindowResume,  // that window closed
  Seek,          // (input: the target); while a seek runs, the target waits its turn
  SeekDone,
  Stop,            // the stop command or an internal stop
  Ended,           // the stop at the recording's end: the advance to the next row stays armed
  Disarm,          // the row that plays next is no longer the one after this
  StopWaitBegan,   // the stop command waits, bounded, for the players to settle
  StopWaitPassed,  // one poll of that wait found them still moving
  PlayersSettled,  // ... or at rest
  Close,           // the close command
};

struct PlaybackInput {
  PlaybackEvent event;
  ChannelSet channels{};      // CopiesReady, FirstPicture
  std::int64_t seek_ms = 0;  // Seek
};

// Everything the pair's playback knows between two events. It changes only through
// NextPairState.
struct PairState {
  PlaybackState phase = PlaybackState::Idle;
  ChannelSet present;   // the channels the pair plays
  ChannelSet reported;  // the channels that showed their first picture during the start
  bool advance_armed = false;    // the recording's end plays the next row
  bool held_for_window = false;  // paused by another window, which resumes it (only while paused)
  std::optional<std::int64_t> queued_seek_ms;  // the newest target waiting for the running seek
  int settle_left_ms = 0;  // what is left of the stop command's wait for the players

  bool operator==(const PairState&) const = default;
};

// The state after `input`, or nothing when the event is refused there (the command is
// ignored and nothing changes).
std::optional<PairState> NextPairState(const PairState& state, const PlaybackInput& input);

// A load runs: the transport refuses its commands, the close waits.
bool LoadPending(PlaybackState state);
// The pair's players are open on its working copies.
bool PairOpened(PlaybackState state);
// The pictures move, or will once a seek is over.
bool Running(PlaybackState state);
bool Seeking(PlaybackState state);

const char* PlaybackStateName(PlaybackState state);
const char* PlaybackEventName(PlaybackEvent event);

}  // namespace direvovu
