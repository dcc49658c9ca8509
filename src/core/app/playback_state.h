#pragma once

#include <optional>

namespace direvovu {

// Where the playback of the pair stands. One value instead of a handful of flags, so that
// every command can be judged by one table.
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
  CopiesReady,    // the working copies and the track are in place
  PlayersOpened,  // both players opened and started
  Released,       // both channels were let go together
  Failed,         // the load, or a player, failed
  Pause,
  Resume,
  Seek,
  SeekDone,
  Stop,   // the stop command, an internal stop or the end of the recording
  Close,  // the close command
};

// The state after `event`, or nothing when the event is refused in `state` (the command
// is ignored and nothing changes).
std::optional<PlaybackState> NextPlaybackState(PlaybackState state, PlaybackEvent event);

// A load runs: the transport refuses its commands, the close waits.
bool LoadPending(PlaybackState state);
// The pair's players are open on its working copies.
bool PairOpened(PlaybackState state);
// The pictures move, or will once a seek is over.
bool Running(PlaybackState state);

const char* PlaybackStateName(PlaybackState state);
const char* PlaybackEventName(PlaybackEvent event);

}  // namespace direvovu
