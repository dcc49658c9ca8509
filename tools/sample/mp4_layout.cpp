#include "mp4_layout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

#include "core/io/byte_reader.h"

namespace direvovu::sample {
namespace {

constexpr std::uint32_t kCameraTimescale = 1000;
constexpr std::uint32_t kMovieHeaderV0Size = 108;
constexpr std::size_t kBoxHeaderSize = 8;

std::string TypeAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  return {reinterpret_cast<const char*>(bytes.data() + at), 4};
}

std::uint64_t ReadBe64(std::span<const std::uint8_t> bytes, std::size_t at) {
  return (std::uint64_t{ReadBe32(bytes, at)} << 32) | ReadBe32(bytes, at + 4);
}

void WriteBe64(std::span<std::uint8_t> bytes, std::size_t at, std::uint64_t value) {
  WriteBe32(bytes, at, static_cast<std::uint32_t>(value >> 32));
  WriteBe32(bytes, at + 4, static_cast<std::uint32_t>(value));
}

// Children of the box payload bytes[begin, end), each size checked against its parent.
std::vector<BoxHeader> ChildBoxes(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end) {
  std::vector<BoxHeader> children;
  std::size_t at = begin;
  while (at < end) {
    if (end - at < kBoxHeaderSize) throw LayoutError("a box inside moov is cut short");
    const std::uint32_t size = ReadBe32(bytes, at);
    if (size < kBoxHeaderSize || size > end - at) {
      throw LayoutError("box '" + TypeAt(bytes, at + 4) + "' inside moov has a bad size");
    }
    children.push_back({at, size, TypeAt(bytes, at + 4)});
    at += size;
  }
  return children;
}

std::uint64_t Rescale(std::uint64_t value, std::uint32_t from, std::uint32_t to) {
  // Durations here are far below 2^64 / 1000, so the product cannot overflow in practice;
  // guard anyway rather than wrap.
  if (value > UINT64_MAX / to) throw LayoutError("a duration is too large to rescale");
  return (value * to + from / 2) / from;
}

// tkhd and elst durations count in the movie time scale, so they move with it.
void RescaleTrackBox(std::span<std::uint8_t> moov, const BoxHeader& trak, std::uint32_t from) {
  for (const auto& child : ChildBoxes(moov, trak.offset + kBoxHeaderSize, trak.offset + trak.size)) {
    if (child.type == "tkhd") {
      const bool v1 = child.size > 8 && moov[child.offset + 8] == 1;
      const std::size_t at = child.offset + (v1 ? 36 : 28);
      if (child.offset + child.size < at + (v1 ? 8 : 4)) throw LayoutError("tkhd is cut short");
      if (v1) {
        WriteBe64(moov, at, Rescale(ReadBe64(moov, at), from, kCameraTimescale));
      } else {
        const std::uint64_t d = ReadBe32(moov, at);
        // 0xFFFFFFFF means "unknown duration" and stays as it is.
        if (d != 0xFFFFFFFFu) {
          const std::uint64_t ms = Rescale(d, from, kCameraTimescale);
          if (ms > 0xFFFFFFFEu) throw LayoutError("a track is too long for a version-0 tkhd");
          WriteBe32(moov, at, static_cast<std::uint32_t>(ms));
        }
      }
    } else if (child.type == "edts") {
      for (const auto& e : ChildBoxes(moov, child.offset + kBoxHeaderSize, child.offset + child.size)) {
        if (e.type != "elst" || e.size < 16) continue;
        const bool v1 = moov[e.offset + 8] == 1;
        const std::size_t entry_size = v1 ? 20 : 12;
        const std::uint32_t count = ReadBe32(moov, e.offset + 12);
        if (count > (e.size - 16) / entry_size)
          throw LayoutError("elst holds more entries than it has room for");
        for (std::uint32_t i = 0; i < count; ++i) {
          const std::size_t at = e.offset + 16 + i * entry_size;
          if (v1) {
            WriteBe64(moov, at, Rescale(ReadBe64(moov, at), from, kCameraTimescale));
          } else {
            const std::uint64_t ms = Rescale(ReadBe32(moov, at), from, kCameraTimescale);
            if (ms > 0xFFFFFFFFu) throw LayoutError("an edit is too long for a version-0 elst");
            WriteBe32(moov, at, static_cast<std::uint32_t>(ms));
          }
        }
      }
    }
  }
}

}  // namespace

// An encoder's file that is cut short must stop the tool, not be read past its end.
std::uint32_t ReadBe32(std::span<const std::uint8_t> bytes, std::size_t at) {
  const auto word = BigEndianAt(bytes, at);
  if (!word) throw LayoutError("MP4 box runs past the end of the file");
  return *word;
}

void WriteBe32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
  if (!PutBigEndianAt(bytes, at, value)) throw LayoutError("MP4 box runs past the end of the file");
}

std::vector<BoxHeader> WalkTopLevelBoxes(const ReadAt& read, std::uint64_t file_size) {
  std::vector<BoxHeader> boxes;
  std::uint64_t at = 0;
  while (at < file_size) {
    if (file_size - at < kBoxHeaderSize) throw LayoutError("the file ends inside a box header");
    std::array<std::uint8_t, kBoxHeaderSize> header{};
    if (!read(at, header)) throw LayoutError("could not read a box header");
    const std::uint32_t size = ReadBe32(header, 0);
    const std::string type = TypeAt(header, 4);
    if (size == 0 || size == 1) {
      throw LayoutError("box '" + type + "' has a " + (size == 0 ? "to-the-end" : "64-bit") + " size");
    }
    if (size < kBoxHeaderSize || size > file_size - at) {
      throw LayoutError("box '" + type + "' has a size that does not fit the file");
    }
    boxes.push_back({at, size, type});
    at += size;
  }
  return boxes;
}

LayoutPlan PlanCameraLayout(const std::vector<BoxHeader>& boxes) {
  std::size_t i = 0;
  auto expect = [&](const char* type) -> const BoxHeader& {
    if (i >= boxes.size()) throw LayoutError(std::string("no '") + type + "' box where one was expected");
    if (boxes[i].type != type) {
      throw LayoutError(std::string("expected '") + type + "' but found '" + boxes[i].type + "'");
    }
    return boxes[i++];
  };
  LayoutPlan plan;
  plan.ftyp = expect("ftyp");
  while (i < boxes.size() && (boxes[i].type == "free" || boxes[i].type == "skip")) {
    plan.filler_bytes += boxes[i++].size;
  }
  plan.mdat = expect("mdat");
  plan.moov = expect("moov");  // also refuses a moov placed before mdat ("faststart")
  if (i != boxes.size()) throw LayoutError("unexpected box '" + boxes[i].type + "' after moov");
  if (plan.ftyp.size + plan.filler_bytes > UINT32_MAX) throw LayoutError("ftyp and filler are too large");
  return plan;
}

std::vector<std::uint8_t> FoldFillerIntoFtyp(std::span<const std::uint8_t> head) {
  if (head.size() < 16) throw LayoutError("ftyp is too short");
  const std::uint32_t ftyp_size = ReadBe32(head, 0);
  if (TypeAt(head, 4) != "ftyp") throw LayoutError("the file does not begin with ftyp");
  if (ftyp_size < 16 || ftyp_size > head.size() || (ftyp_size - 16) % 4 != 0) {
    throw LayoutError("ftyp has a bad size");
  }
  // Brands come in fours; filler that is not a multiple of four would leave a ragged tail.
  if ((head.size() - ftyp_size) % 4 != 0)
    throw LayoutError("the filler after ftyp is not a multiple of 4 bytes");
  std::vector<std::uint8_t> folded(head.begin(), head.end());
  WriteBe32(folded, 0, static_cast<std::uint32_t>(head.size()));
  if (TypeAt(folded, 8).compare(0, 3, "mp4") != 0) std::memcpy(folded.data() + 8, "mp42", 4);
  for (std::size_t at = ftyp_size; at < folded.size(); at += 4) std::memcpy(folded.data() + at, "mp41", 4);
  return folded;
}

std::uint32_t NormaliseMovieHeader(std::span<std::uint8_t> moov) {
  if (moov.size() < kBoxHeaderSize || TypeAt(moov, 4) != "moov" || ReadBe32(moov, 0) != moov.size()) {
    throw LayoutError("moov is malformed");
  }
  const auto children = ChildBoxes(moov, kBoxHeaderSize, moov.size());
  if (children.empty() || children.front().type != "mvhd") {
    throw LayoutError("the first box inside moov is not mvhd");
  }
  const BoxHeader& mvhd = children.front();
  if (mvhd.size != kMovieHeaderV0Size || moov[mvhd.offset + 8] != 0) {
    throw LayoutError("mvhd is not a version-0 movie header of 108 bytes");
  }
  const std::size_t scale_at = mvhd.offset + 20;
  const std::size_t duration_at = mvhd.offset + 24;
  const std::uint32_t timescale = ReadBe32(moov, scale_at);
  if (timescale == 0) throw LayoutError("mvhd has a time scale of 0");
  if (timescale != kCameraTimescale) {
    const std::uint64_t ms = Rescale(ReadBe32(moov, duration_at), timescale, kCameraTimescale);
    if (ms > UINT32_MAX) throw LayoutError("the movie is too long for a version-0 mvhd in milliseconds");
    WriteBe32(moov, scale_at, kCameraTimescale);
    WriteBe32(moov, duration_at, static_cast<std::uint32_t>(ms));
    for (const auto& child : children) {
      if (child.type == "trak") RescaleTrackBox(moov, child, timescale);
    }
  }
  const std::uint32_t duration_ms = ReadBe32(moov, duration_at);
  if (duration_ms == 0) throw LayoutError("mvhd gives a duration of 0");
  return duration_ms;
}

std::vector<std::uint8_t> MakeCameraLayout(std::span<const std::uint8_t> mp4,
                                           std::span<const std::uint8_t> track_box) {
  const ReadAt read = [mp4](std::uint64_t offset, std::span<std::uint8_t> out) {
    if (offset > mp4.size() || out.size() > mp4.size() - offset) return false;
    std::copy_n(mp4.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
  };
  const LayoutPlan plan = PlanCameraLayout(WalkTopLevelBoxes(read, mp4.size()));
  const std::size_t head_size = plan.ftyp.size + plan.filler_bytes;
  std::vector<std::uint8_t> out = FoldFillerIntoFtyp(mp4.first(head_size));
  out.insert(out.end(), mp4.begin() + static_cast<std::ptrdiff_t>(plan.mdat.offset),
             mp4.begin() + static_cast<std::ptrdiff_t>(plan.mdat.offset + plan.mdat.size));
  const std::size_t moov_at = out.size();
  out.insert(out.end(), mp4.begin() + static_cast<std::ptrdiff_t>(plan.moov.offset), mp4.end());
  NormaliseMovieHeader(std::span(out).subspan(moov_at));
  out.insert(out.end(), track_box.begin(), track_box.end());
  return out;
}

}  // namespace direvovu::sample
