#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/sdcard/card_walk.h"

namespace direvovu {

// What the card check finds wrong with a listed recording; values are rows of the
// card marks text table, worst first after None.
enum class CardMark : int {
  None = -1,
  Unreadable = 0,    // an I/O error while reading it
  Empty = 1,         // no bytes at all
  NotRecording = 2,  // a recording's name on something that is not an MP4 of the camera's layout
  Truncated = 3,     // a box runs past the end of the file, or there is no movie box
  NoRear = 4,        // its rear companion is missing
};
inline constexpr int kCardMarkCount = 5;

// Reads up to out.size() bytes at an offset; the count, or nullopt on a read error.
using ReadAt = std::function<std::optional<std::size_t>(std::uint64_t offset, std::span<std::uint8_t> out)>;

// The mark of a file of `size` bytes from its top-level boxes: "ftyp" first, an "mdat"
// and a "moov", every box within the file. Reads only the box headers.
CardMark MarkOfBoxes(const ReadAt& read, std::uint64_t size);

// The mark of one front recording on the card (its boxes, then its rear companion).
CardMark CheckRecording(const std::filesystem::path& front);

// The marks of walked rows, in row order.
std::vector<CardMark> CheckCardRows(const std::vector<CardRow>& rows);

// A mark's English name for scripts ("truncated", "no-rear" …); "" for None.
std::string_view CardMarkKey(CardMark mark);

}  // namespace direvovu
