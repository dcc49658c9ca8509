#include "media/incident_inputs.h"

#include <memory>

#include "core/io/byte_reader.h"
#include "core/recording/embedded_track.h"
#include "core/recording/encrypted_recording.h"
#include "core/recording/recording_name.h"
#include "core/recording/working_copies.h"

namespace direvovu::media {
namespace {

namespace fs = std::filesystem;

MediaInput InputOf(const fs::path& file, const std::optional<RecordingHeader>& header) {
  MediaInput input{file, {}};
  if (header) input.plain_head.assign(header->begin(), header->end());
  return input;
}

// The recording as the track parser reads it: its plain header in front, the trailer of a
// scrambled one left off.
struct PlainReader {
  std::unique_ptr<FileReader> file;
  std::unique_ptr<OverlayReader> plain;
  [[nodiscard]] ByteReader* get() const { return plain ? static_cast<ByteReader*>(plain.get()) : file.get(); }
};

PlainReader ReaderOf(const MediaInput& input) {
  PlainReader reader;
  reader.file = FileReader::Open(input.file);
  if (reader.file && !input.plain_head.empty()) {
    const std::uint64_t size = reader.file->Size();
    reader.plain = std::make_unique<OverlayReader>(
        *reader.file, input.plain_head, size > kEncryptedTrailerBytes ? size - kEncryptedTrailerBytes : 0);
  }
  return reader;
}

OpenedInputs Refused(IncidentEnd end, std::string message) {
  OpenedInputs opened;
  opened.end = end;
  opened.message = std::move(message);
  return opened;
}

}  // namespace

OpenedInputs OpenIncidentInputs(const fs::path& front, const std::optional<std::string>& password) {
  const std::string name = front.filename().string();
  PasswordState passwords;
  const AskPassword ask = [&password](const PasswordQuestion& question) {
    return password && question.matches(*password);
  };
  // No working copies are written: the plan only reads the headers and unlocks them.
  WorkingCopiesPlan plan = PlanWorkingCopies(front, {}, {}, passwords, ask);
  if (plan.result.status == LoadStatus::Abandoned) {
    return Refused(IncidentEnd::WrongPassword, password ? "the password does not open " + name
                                                        : name + " is scrambled: it needs its password");
  }
  if (!plan.front) return Refused(IncidentEnd::BadInput, "cannot read " + front.string());
  if (plan.result.status != LoadStatus::Ready) {
    return Refused(IncidentEnd::BadInput, name + " is not a recording of the camera");
  }
  IncidentInputs inputs;
  inputs.front = InputOf(front, plan.frontHeader);
  if (plan.rear) {
    inputs.rear_path = RearCompanionPath(front);
    inputs.rear = InputOf(inputs.rear_path, plan.rearHeader);
  }
  PlainReader front_reader = ReaderOf(inputs.front);
  PlainReader rear_reader = inputs.rear ? ReaderOf(*inputs.rear) : PlainReader{};
  const PairTrackOutcome track = ParseTrackOfPair(front_reader.get(), rear_reader.get(), inputs.track);
  if (!track.front || !track.frontPlayable) {
    return Refused(IncidentEnd::BadInput, name + " is damaged: its boxes cannot be read");
  }
  if (!track.rearPlayable) {
    inputs.rear.reset();
    inputs.rear_path.clear();
  }
  inputs.length_seconds = static_cast<double>(track.front->durationMs) / 1000.0;
  OpenedInputs opened;
  opened.inputs = std::move(inputs);
  return opened;
}

}  // namespace direvovu::media
