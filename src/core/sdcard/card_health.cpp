#include "core/sdcard/card_health.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <system_error>

#include "core/recording/encrypted_recording.h"
#include "core/recording/file_copy.h"
#include "core/recording/recording_name.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

// A camera's file has a handful of top-level boxes; past this many it is not one.
constexpr int kMaxTopLevelBoxes = 4096;

std::uint32_t Big32(std::span<const std::uint8_t> b) {
  return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
}

std::uint64_t Big64(std::span<const std::uint8_t> b) {
  return (std::uint64_t{Big32(b)} << 32) | Big32(b.subspan(4));
}

bool IsBoxType(std::span<const std::uint8_t> type) {
  for (const std::uint8_t c : type) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

bool Is(std::span<const std::uint8_t> type, std::string_view name) {
  return std::equal(type.begin(), type.end(), name.begin(), name.end());
}

// The header a scrambled recording plays with, unscrambled by the key its own trailer
// carries; nullopt for a file that only looks scrambled.
std::optional<RecordingHeader> PlainHeaderOf(const BinaryFile& file) {
  const auto parts = ReadEncryptedParts(file);
  PasswordSlot password{};
  if (!parts || !ReadPasswordBlock(parts->passwordBlock, password)) return std::nullopt;
  return DecryptHeader(parts->header, parts->tailBlock, password);
}

}  // namespace

CardMark MarkOfBoxes(const ReadAt& read, std::uint64_t size) {
  if (size == 0) return CardMark::Empty;
  bool movie = false;
  bool media = false;
  std::uint64_t offset = 0;
  for (int count = 0; offset < size; ++count) {
    if (count == kMaxTopLevelBoxes) return CardMark::NotRecording;
    std::array<std::uint8_t, 16> header{};
    const std::uint64_t left = size - offset;
    const auto got = read(offset, std::span(header).first(left < 16 ? static_cast<std::size_t>(left) : 16));
    if (!got) return CardMark::Unreadable;
    if (*got < 8) return count == 0 ? CardMark::NotRecording : CardMark::Truncated;
    const auto type = std::span<const std::uint8_t>(header).subspan(4, 4);
    if (!IsBoxType(type) || (count == 0 && !Is(type, "ftyp"))) return CardMark::NotRecording;
    std::uint64_t boxSize = Big32(header);
    std::uint64_t headerSize = 8;
    if (boxSize == 1) {
      if (*got < 16) return CardMark::Truncated;
      boxSize = Big64(std::span<const std::uint8_t>(header).subspan(8));
      headerSize = 16;
    } else if (boxSize == 0) {
      boxSize = left;  // to the end of the file
    }
    if (boxSize < headerSize) return CardMark::NotRecording;
    if (boxSize > left) return CardMark::Truncated;
    movie = movie || Is(type, "moov");
    media = media || Is(type, "mdat");
    offset += boxSize;
  }
  if (!media) return CardMark::NotRecording;
  return movie ? CardMark::None : CardMark::Truncated;
}

CardMark CheckRecording(const fs::path& front) {
  errno = 0;
  const auto file = BinaryFile::OpenRead(front);
  if (!file) return CardMark::Unreadable;
  const auto size = file->Size();
  if (!size) return CardMark::Unreadable;
  const auto raw = [&file](std::uint64_t offset, std::span<std::uint8_t> out) {
    return file->ReadAt(offset, out);
  };
  CardMark boxes = MarkOfBoxes(raw, *size);
  // A scrambled recording is the camera's too: its boxes are checked through its plain
  // header, without the trailer the scrambling adds.
  if (boxes != CardMark::None && IsEncryptedRecording(*file)) {
    if (const std::optional<RecordingHeader> plain = PlainHeaderOf(*file)) {
      boxes = MarkOfBoxes(
          [&file, &plain](std::uint64_t offset, std::span<std::uint8_t> out) -> std::optional<std::size_t> {
            if (offset >= kScrambledHeaderBytes) return file->ReadAt(offset, out);
            const std::size_t fromHeader = std::min<std::size_t>(out.size(), kScrambledHeaderBytes - offset);
            std::copy_n(plain->begin() + static_cast<std::ptrdiff_t>(offset), fromHeader, out.begin());
            if (fromHeader == out.size()) return fromHeader;
            const auto rest = file->ReadAt(kScrambledHeaderBytes, out.subspan(fromHeader));
            if (!rest) return std::nullopt;
            return fromHeader + *rest;
          },
          *size - kEncryptedTrailerBytes);
    }
  }
  if (boxes != CardMark::None) return boxes;
  std::error_code ec;
  if (!fs::is_regular_file(RearCompanionPath(front), ec)) return CardMark::NoRear;
  return CardMark::None;
}

std::vector<CardMark> CheckCardRows(const std::vector<CardRow>& rows) {
  std::vector<CardMark> marks;
  marks.reserve(rows.size());
  for (const CardRow& row : rows) marks.push_back(CheckRecording(row.path));
  return marks;
}

std::string_view CardMarkKey(CardMark mark) {
  switch (mark) {
    case CardMark::None:
      return "";
    case CardMark::Unreadable:
      return "unreadable";
    case CardMark::Empty:
      return "empty";
    case CardMark::NotRecording:
      return "not-a-recording";
    case CardMark::Truncated:
      return "truncated";
    case CardMark::NoRear:
      return "no-rear";
  }
  return "";
}

}  // namespace direvovu
