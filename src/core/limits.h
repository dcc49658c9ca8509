#pragma once

#include <cstddef>
#include <cstdint>

// Every limit on what the viewer reads from files lives here, so that parsers check
// sizes against one set of numbers.
namespace direvovu::limits {

// Settings files are small; anything larger is not ours and is not read or rewritten.
inline constexpr std::uintmax_t kMaxIniFileBytes = std::uintmax_t{4} * 1024 * 1024;
// Callers read values through a buffer of 255 characters: 254 and the terminator.
inline constexpr std::size_t kIniValueChars = 254;

// Sections of one event file read at most: the camera writes a handful, and a crafted
// file must not make the viewer count on for minutes.
inline constexpr int kMaxEventSections = 10000;

// A recording's track holds at most this many one-second records (two and a half hours).
inline constexpr std::uint32_t kMaxTrackRecords = 9000;

// A driving log holds one 32-byte record per fix; a year of driving is about 100 MB.
// Larger files are refused before anything is allocated for them.
inline constexpr std::uint64_t kMaxDrivingLogBytes = std::uint64_t{512} * 1024 * 1024;

// Replies of the address service are a few kilobytes; anything larger is not read.
inline constexpr std::size_t kMaxAddressReplyBytes = std::size_t{1} * 1024 * 1024;

// An export writes a text per second of its span; a recording's header may claim any
// length, so the seconds written stop after a day.
inline constexpr std::int64_t kMaxExportSpanSeconds = std::int64_t{24} * 60 * 60;

// The largest picture side an export composes (8K); a stream claiming more is refused.
inline constexpr int kMaxExportPictureSide = 8192;

}  // namespace direvovu::limits

namespace direvovu {

// Volume is set in steps 0..10 (the dial's steps; libvlc gets step x 10 percent).
inline constexpr int kMaxVolumeStep = 10;

}  // namespace direvovu

// What the evidence export accepts from a recording's streams. The camera records at
// most 1920 x 1080 at 30 frames a second with mono or stereo sound; the bounds leave room
// and keep a damaged header from asking for absurd buffers.
namespace direvovu::limits {

inline constexpr int kMaxPictureSide = 8192;
inline constexpr double kMaxFramesPerSecond = 240;
inline constexpr int kMinSampleRate = 8000;
inline constexpr int kMaxSampleRate = 192000;
inline constexpr int kMaxAudioChannels = 8;
// A subtitle sample carries its text after a 16-bit length.
inline constexpr std::size_t kMaxCueTextBytes = 60000;

}  // namespace direvovu::limits
