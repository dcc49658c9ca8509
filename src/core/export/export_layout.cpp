#include "core/export/export_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/limits.h"

namespace direvovu::exporting {
namespace {

constexpr std::array<std::pair<ExportLayout, std::string_view>, 4> kNames{{
    {ExportLayout::SideBySide, "side-by-side"},
    {ExportLayout::Front, "front"},
    {ExportLayout::Rear, "rear"},
    {ExportLayout::PictureInPicture, "picture-in-picture"},
}};

constexpr int kMinFontSize = 12;
// Font size as a share of the picture's height: readable at 720 lines, not a wall at 2160.
constexpr int kLinesPerFont = 26;
constexpr int kInsetShare = 3;

int Even(int value) { return value - value % 2; }

bool Usable(PictureSize size) {
  return size.width >= 2 && size.height >= 2 && size.width <= limits::kMaxExportPictureSide &&
         size.height <= limits::kMaxExportPictureSide;
}

PictureSize EvenSize(PictureSize size) { return {Even(size.width), Even(size.height)}; }

// A side of a picture scaled by to / from, kept even and at least 2. A side far beyond the
// limit stops just past it, so that it fits an int and Fits still refuses it.
int Scaled(int side, int from, int to) {
  const double scaled = std::round(static_cast<double>(side) * to / from);
  return std::max(2, Even(static_cast<int>(std::min(scaled, double{limits::kMaxExportPictureSide} + 2))));
}

bool Fits(const std::optional<PictureRect>& rect) {
  return !rect ||
         (rect->width <= limits::kMaxExportPictureSide && rect->height <= limits::kMaxExportPictureSide);
}

ExportGeometry Alone(PictureSize picture, bool isFront) {
  const PictureSize output = EvenSize(picture);
  const PictureRect whole{0, 0, output.width, output.height};
  return isFront ? ExportGeometry{output, whole, std::nullopt} : ExportGeometry{output, std::nullopt, whole};
}

ExportGeometry SideBySide(const ChannelSizes& sizes) {
  const PictureSize left = EvenSize(sizes.front);
  const int rearWidth = Scaled(sizes.rear.width, sizes.rear.height, left.height);
  return {{left.width + rearWidth, left.height},
          PictureRect{0, 0, left.width, left.height},
          PictureRect{left.width, 0, rearWidth, left.height}};
}

// The rear at a third of the front's width (or height), in the lower right corner above
// the band.
ExportGeometry PictureInPicture(const ChannelSizes& sizes) {
  ExportGeometry geometry = Alone(sizes.front, true);
  const PictureSize output = geometry.output;
  const BandMetrics band = BandMetricsOf(output);
  int width = std::max(2, Even(output.width / kInsetShare));
  int height = Scaled(sizes.rear.height, sizes.rear.width, width);
  if (height > output.height) {
    // A rear far taller than wide: a third of the height instead, so it stays a corner.
    height = std::max(2, Even(output.height / kInsetShare));
    width = Scaled(sizes.rear.width, sizes.rear.height, height);
  }
  const int x = std::max(0, Even(output.width - width - band.margin));
  const int y = std::max(0, Even(output.height - band.height - height - band.margin));
  geometry.rear = PictureRect{x, y, width, height};
  return geometry;
}

ExportGeometry Compose(ExportLayout layout, const ChannelSizes& sizes) {
  switch (layout) {
    case ExportLayout::SideBySide:
      return SideBySide(sizes);
    case ExportLayout::Rear:
      return Alone(sizes.rear, false);
    case ExportLayout::PictureInPicture:
      return PictureInPicture(sizes);
    case ExportLayout::Front:
      break;
  }
  return Alone(sizes.front, true);
}

}  // namespace

std::optional<ExportLayout> ParseExportLayout(std::string_view name) {
  for (const auto& [layout, text] : kNames) {
    if (text == name) return layout;
  }
  return std::nullopt;
}

std::string_view ExportLayoutName(ExportLayout layout) {
  for (const auto& [known, text] : kNames) {
    if (known == layout) return text;
  }
  return {};
}

LayoutChoice ChooseLayout(ExportLayout wanted, bool hasRear) {
  if (hasRear || wanted == ExportLayout::Front) return {wanted, false};
  return {ExportLayout::Front, true};
}

std::optional<ExportGeometry> LayoutGeometry(ExportLayout layout, const ChannelSizes& sizes) {
  const bool needsFront = layout != ExportLayout::Rear;
  const bool needsRear = layout != ExportLayout::Front;
  if ((needsFront && !Usable(sizes.front)) || (needsRear && !Usable(sizes.rear))) return std::nullopt;
  const ExportGeometry geometry = Compose(layout, sizes);
  // A rear far wider than tall would scale beyond any picture the encoder takes.
  if (!Fits(geometry.front) || !Fits(geometry.rear)) return std::nullopt;
  return geometry;
}

BandMetrics BandMetricsOf(PictureSize output) {
  const int font = std::max(kMinFontSize, output.height / kLinesPerFont);
  const int margin = Even(font / 2);
  // Two lines of `font` pixels (the ASS size is the line's height) and a little air.
  return {font, margin, Even(2 * font + font / 4 + 2 * margin)};
}

}  // namespace direvovu::exporting
