#include "core/recording/embedded_track.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/civil_time.h"
#include "core/limits.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

constexpr std::uint32_t kBoxHeader = 8;
constexpr std::uint32_t kMovieHeaderSize = 108;  // version 0; the camera writes no other
constexpr std::uint32_t kTimeEntry = 4;
constexpr std::uint32_t kSensorEntry = 12;
constexpr std::uint32_t kGpsEntry = 28;

TrackParseOutcome Refused(ParseResult result) { return {result, 0}; }

// Words of headers read whole beforehand: always in range, so 0 never stands for a short read.
std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return BigEndianAt(bytes, at).value_or(0);
}

std::uint32_t LittleEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return LittleEndianAt(bytes, at).value_or(0);
}

bool TypeIs(const std::uint8_t* p, std::string_view type) { return std::memcmp(p, type.data(), 4) == 0; }

bool TypeIsIgnoringCase(const std::uint8_t* p, std::string_view type) {
  for (std::size_t i = 0; i < 4; ++i) {
    const auto c = static_cast<char>(p[i]);
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper != type[i]) return false;
  }
  return true;
}

// A box header (size and type) at offset; the size must cover the header and fit
// in what is left of the data.
struct Box {
  std::uint64_t offset = 0;
  std::uint32_t size = 0;
  std::array<std::uint8_t, 4> type{};
  [[nodiscard]] std::uint64_t End() const { return offset + size; }
};

std::optional<Box> ReadBox(ByteReader& reader, std::uint64_t offset, std::uint32_t minSize = kBoxHeader) {
  std::array<std::uint8_t, 8> head{};
  if (!reader.ReadExact(offset, head)) return std::nullopt;
  Box box{offset, BigEndian32(head, 0), {head[4], head[5], head[6], head[7]}};
  if (box.size < minSize || box.size > reader.Size() - offset) return std::nullopt;
  return box;
}

struct MovieHeader {
  std::uint64_t trackOffset = 0;  // where the box after moov starts
  std::uint64_t durationMs = 0;
  double durationSeconds = 0;
};

// ftyp, mdat, moov with a version-0 movie header, in this order and nothing between.
std::optional<MovieHeader> ReadMovieHeader(ByteReader& reader) {
  const auto ftyp = ReadBox(reader, 0, 12);
  if (!ftyp) return std::nullopt;
  std::array<std::uint8_t, 3> brand{};
  if (!TypeIs(ftyp->type.data(), "ftyp") || !reader.ReadExact(8, brand) ||
      std::memcmp(brand.data(), "mp4", 3) != 0) {
    return std::nullopt;
  }
  const auto mdat = ReadBox(reader, ftyp->End());
  if (!mdat || !TypeIs(mdat->type.data(), "mdat")) return std::nullopt;
  const auto moov = ReadBox(reader, mdat->End(), kBoxHeader + kMovieHeaderSize);
  if (!moov || !TypeIs(moov->type.data(), "moov")) return std::nullopt;

  std::array<std::uint8_t, kMovieHeaderSize> mvhd{};
  if (!reader.ReadExact(moov->offset + kBoxHeader, mvhd)) return std::nullopt;
  if (BigEndian32(mvhd, 0) != kMovieHeaderSize || !TypeIs(mvhd.data() + 4, "mvhd")) return std::nullopt;
  const std::uint32_t timescale = BigEndian32(mvhd, 20);
  const std::uint32_t duration = BigEndian32(mvhd, 24);
  if (duration == 0 || timescale == 0) return std::nullopt;
  return MovieHeader{moov->End(), std::uint64_t{duration} * 1000 / timescale,
                     static_cast<double>(duration) / timescale};
}

void SetRecordTime(TrackSecond& r, std::uint32_t secondsSince1970) {
  CopyCivilFields(CivilTimeOfEpochSeconds(secondsSince1970), r);
}

// Reads up to `wanted` entries of entrySize bytes that start at offset. A payload that
// ends early yields fewer entries; the records they would fill keep their zeros.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): count before size, as the table says
std::vector<std::uint8_t> ReadEntries(ByteReader& reader, std::uint64_t offset, std::size_t wanted,
                                      std::size_t entrySize) {
  const std::uint64_t left = offset < reader.Size() ? reader.Size() - offset : 0;
  const std::size_t n = std::min<std::uint64_t>(wanted, left / entrySize);
  std::vector<std::uint8_t> bytes(n * entrySize);
  bytes.resize(reader.ReadAt(offset, bytes) / entrySize * entrySize);
  return bytes;
}

// A box of the track box directly at offset; its payload may end early, but its
// header must be whole and its type exact (an empty type is not examined).
std::optional<Box> ReadDataBox(ByteReader& reader, std::uint64_t offset, std::string_view type) {
  std::array<std::uint8_t, 8> head{};
  if (!reader.ReadExact(offset, head)) return std::nullopt;
  Box box{offset, BigEndian32(head, 0), {head[4], head[5], head[6], head[7]}};
  if (box.size < kBoxHeader || (!type.empty() && !TypeIs(box.type.data(), type))) return std::nullopt;
  return box;
}

void StoreSensor(std::span<const std::uint8_t> bytes, TrackState& track) {
  const std::size_t n = std::min<std::size_t>(bytes.size() / kSensorEntry, track.records.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = i * kSensorEntry;
    TrackSecond& r = track.records[i];
    r.accelX = std::bit_cast<float>(LittleEndian32(bytes, at));
    r.accelY = std::bit_cast<float>(LittleEndian32(bytes, at + 4));
    r.accelZ = std::bit_cast<float>(LittleEndian32(bytes, at + 8));
  }
  track.sensorCount = static_cast<std::int32_t>(n);
}

void StoreGps(std::span<const std::uint8_t> bytes, TrackState& track) {
  const std::size_t n = std::min<std::size_t>(bytes.size() / kGpsEntry, track.records.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t* p = bytes.data() + i * kGpsEntry;
    TrackSecond& r = track.records[i];
    std::memcpy(r.latitudeText, p, 12);
    std::memcpy(r.longitudeText, p + 12, 12);
    r.latitudeText[12] = '\0';
    r.longitudeText[12] = '\0';
    r.speed = static_cast<std::int32_t>(LittleEndian32(bytes, i * kGpsEntry + 24) / 10);
  }
}

// Sensor box, then GPS box, both directly after the time table.
TrackParseOutcome ReadSensorAndGps(ByteReader& reader, std::uint64_t offset, TrackState& track) {
  const auto count = static_cast<std::size_t>(track.count);
  const auto sens = ReadDataBox(reader, offset, "SENS");
  if (!sens) return Refused(ParseResult::TrackDamaged);
  StoreSensor(
      ReadEntries(reader, sens->offset + kBoxHeader,
                  std::min<std::size_t>((sens->size - kBoxHeader) / kSensorEntry, count), kSensorEntry),
      track);
  ComputePeakMagnitude(track);

  const auto gpsi = ReadDataBox(reader, sens->End(), "GPSI");
  if (!gpsi) return Refused(ParseResult::TrackDamaged);
  StoreGps(ReadEntries(reader, gpsi->offset + kBoxHeader,
                       std::min<std::size_t>((gpsi->size - kBoxHeader) / kGpsEntry, count), kGpsEntry),
           track);
  return {ParseResult::Loaded, 0};
}

// The track box: a time table (one entry per record), the sensor box, the GPS box.
TrackParseOutcome ReadTrackBox(ByteReader& reader, const MovieHeader& movie, TrackState& track) {
  // The track box's size only has to be there: nothing is located by it, and a copy
  // cut short in the GPS box still carries a usable track.
  if (reader.ReadBigEndian(movie.trackOffset).value_or(0) == 0) {
    return Refused(ParseResult::TrackDamaged);
  }
  // The time table need not fit in the file: one that runs past its end leaves no
  // sensor box behind it, and the recording then plays without a track (below).
  const auto table = ReadDataBox(reader, movie.trackOffset + kBoxHeader, {});
  if (!table) return Refused(ParseResult::TrackDamaged);
  const std::uint32_t count = (table->size - kBoxHeader) / kTimeEntry;
  if (count > limits::kMaxTrackRecords) return Refused(ParseResult::TrackDamaged);

  track.records.assign(count, TrackSecond{});
  track.count = static_cast<std::int32_t>(count);
  track.sensorCount = 0;
  track.recordsPerSecond = count >= 1 ? count / movie.durationSeconds : 0;

  // A recording without a sensor box after the time table plays without a track.
  std::array<std::uint8_t, 4> nextType{};
  if (!reader.ReadExact(table->End() + 4, nextType) || !TypeIsIgnoringCase(nextType.data(), "SENS")) {
    track.count = 0;
    track.recordsPerSecond = 0;
    return {ParseResult::Loaded, 0};
  }

  std::vector<std::uint8_t> times(std::size_t{count} * kTimeEntry);
  if (!reader.ReadExact(table->offset + kBoxHeader, times)) return Refused(ParseResult::TrackDamaged);
  for (std::size_t i = 0; i < count; ++i)
    SetRecordTime(track.records[i], LittleEndian32(times, i * kTimeEntry));
  return ReadSensorAndGps(reader, table->End(), track);
}

}  // namespace

TrackParseOutcome ParseEmbeddedTrack(ByteReader& reader, bool fullParse, TrackState& track) {
  const auto movie = ReadMovieHeader(reader);
  if (!movie) return Refused(ParseResult::Rejected);
  TrackParseOutcome outcome{ParseResult::Loaded, movie->durationMs};
  if (fullParse) outcome.result = ReadTrackBox(reader, *movie, track).result;
  return outcome;
}

TrackParseOutcome ParseEmbeddedTrack(const std::filesystem::path& path, bool fullParse, TrackState& track) {
  const auto reader = FileReader::Open(path);
  if (!reader) return {ParseResult::Unreadable, 0};
  return ParseEmbeddedTrack(*reader, fullParse, track);
}

std::optional<MessageId> ParseMessage(ParseResult result) {
  switch (result) {
    case ParseResult::Loaded:
      return std::nullopt;
    case ParseResult::Unreadable:
      return msg::kCantOpenFile;
    case ParseResult::Rejected:
    case ParseResult::TrackDamaged:
      break;
  }
  return msg::kIllegalFile;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the copy, then front before rear
const std::filesystem::path& TrackMessageSubject(const std::filesystem::path& workingCopy,
                                                 const std::filesystem::path& frontRecording,
                                                 const std::filesystem::path& rearRecording) {
  // Only the copy's own name counts: the working root is the user's to choose, and a
  // folder such as /home/Frontier must not turn the rear copy into the front one.
  const auto text = workingCopy.filename().native();
  const auto at = text.find(std::filesystem::path("Front").native());
  return at != std::filesystem::path::string_type::npos && at > 0 ? frontRecording : rearRecording;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): front before rear, as everywhere
PairTrackOutcome ParseTrackOfPair(ByteReader* front, ByteReader* rear, TrackState& track) {
  PairTrackOutcome pair;
  if (front != nullptr) {
    pair.front = ParseEmbeddedTrack(*front, true, track);
    pair.frontPlayable = pair.front->Loaded();
    pair.shown = TrackChannel::Front;
  }
  if (rear != nullptr) {
    // The rear track is only wanted when the front has none to show.
    const bool rearInFull = !pair.frontPlayable;
    pair.rear = ParseEmbeddedTrack(*rear, rearInFull, track);
    pair.rearPlayable = pair.rear->Loaded();
    if (rearInFull) pair.shown = TrackChannel::Rear;
  }
  return pair;
}

PairTrackOutcome ParseTrackOfPair(const std::filesystem::path& front, const std::filesystem::path& rear,
                                  TrackState& track) {
  // A working copy that is named but cannot be opened is a channel that fails with
  // "can't open", not a missing channel: it is read as empty and its message replaced.
  SpanReader nothing({});
  const auto open = [&nothing](const std::filesystem::path& path, std::unique_ptr<FileReader>& holder) {
    if (path.empty()) return static_cast<ByteReader*>(nullptr);
    holder = FileReader::Open(path);
    return holder ? static_cast<ByteReader*>(holder.get()) : static_cast<ByteReader*>(&nothing);
  };
  std::unique_ptr<FileReader> frontReader;
  std::unique_ptr<FileReader> rearReader;
  ByteReader* frontSource = open(front, frontReader);
  ByteReader* rearSource = open(rear, rearReader);
  PairTrackOutcome pair = ParseTrackOfPair(frontSource, rearSource, track);
  const TrackParseOutcome cantOpen{ParseResult::Unreadable, 0};
  if (frontSource == &nothing) pair.front = cantOpen;
  if (rearSource == &nothing) pair.rear = cantOpen;
  return pair;
}

}  // namespace direvovu
