#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "command.h"
#include "core/recording/embedded_track.h"

namespace direvovu::cli {

// Options shared by the commands that read a recording's track.
struct RecordingArgs {
  std::filesystem::path file;
  std::optional<std::string> password;
  std::optional<std::string> format;  // only `track` accepts it
};

// Parses FILE [--password P] [--format F] (also --opt=value). Returns kExitOk, or the
// exit code of a usage error after printing it. allowFormat says whether --format is known.
int ParseRecordingArgs(Args args, bool allowFormat, RecordingArgs& out);

// A recording read as the viewer reads its working copy.
struct ReadRecording {
  bool encrypted = false;
  TrackParseOutcome outcome;
  TrackState track;
};

// Opens the file, decrypts an encrypted recording's header in memory with the password
// and reads the track. On failure prints the reason on standard error and returns
// kExitRefused (unreadable, encrypted without a password, not a recording) or
// kExitWrongPassword; otherwise kExitOk, whatever the parse result.
int ReadRecordingTrack(const RecordingArgs& args, ReadRecording& out);

// The messages row in English, then the path, on standard error.
void ReportMessage(const std::filesystem::path& file, MessageId message);

}  // namespace direvovu::cli
