#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// Rearranges ffmpeg's MP4 output into the camera's layout: ftyp, mdat, moov with a
// millisecond version-0 movie header, then the private track box. Everything here works on
// bytes handed in, so the same steps serve files of any size and unit tests.
namespace direvovu::sample {

// ffmpeg's output does not have the shape the camera layout needs.
class LayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct BoxHeader {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;  // including the 8-byte header
  std::string type;        // the four characters
};

// Reads out.size() bytes at offset; false when the source ends first.
using ReadAt = std::function<bool(std::uint64_t offset, std::span<std::uint8_t> out)>;

// The top-level boxes of a source of file_size bytes. Each size is checked against what
// remains; 64-bit and to-the-end sizes are refused (the camera writes neither).
std::vector<BoxHeader> WalkTopLevelBoxes(const ReadAt& read, std::uint64_t file_size);

// Where the pieces of ffmpeg's output lie: ftyp, any free/skip boxes, mdat, moov, nothing else.
struct LayoutPlan {
  BoxHeader ftyp;
  std::uint64_t filler_bytes = 0;  // free/skip boxes between ftyp and mdat
  BoxHeader mdat;
  BoxHeader moov;
};

LayoutPlan PlanCameraLayout(const std::vector<BoxHeader>& boxes);

// head = the ftyp box followed by the filler boxes (ftyp.size + filler_bytes bytes). Returns
// bytes of the same length that form a single ftyp whose extra room holds compatible brands,
// so mdat follows ftyp directly and no chunk offset moves. The major brand becomes "mp42"
// unless it already begins with "mp4" (the viewer recognises recordings by "ftypmp4").
std::vector<std::uint8_t> FoldFillerIntoFtyp(std::span<const std::uint8_t> head);

// moov = the whole moov box. Checks that its first child is a version-0 mvhd of 108 bytes
// and makes the movie time scale 1000 (rescaling the movie, track and edit durations when
// ffmpeg chose another). Returns the duration in milliseconds (non-zero).
std::uint32_t NormaliseMovieHeader(std::span<std::uint8_t> moov);

// The whole rearrangement over a file held in memory; the track box is appended after moov.
std::vector<std::uint8_t> MakeCameraLayout(std::span<const std::uint8_t> mp4,
                                           std::span<const std::uint8_t> track_box);

// Big-endian helpers shared with the file-level steps.
std::uint32_t ReadBe32(std::span<const std::uint8_t> bytes, std::size_t at);
void WriteBe32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value);

}  // namespace direvovu::sample
