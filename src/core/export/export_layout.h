#pragma once

#include <optional>
#include <string_view>

namespace direvovu::exporting {

// How the two channels share the exported picture.
enum class ExportLayout {
  SideBySide,        // front left, rear right at the front's height
  Front,             // the front picture alone
  Rear,              // the rear picture alone
  PictureInPicture,  // the front whole, the rear small in its lower right corner
};
inline constexpr ExportLayout kDefaultExportLayout = ExportLayout::SideBySide;

// "side-by-side", "front", "rear", "picture-in-picture"; nullopt for anything else.
std::optional<ExportLayout> ParseExportLayout(std::string_view name);
std::string_view ExportLayoutName(ExportLayout layout);

struct LayoutChoice {
  ExportLayout layout = kDefaultExportLayout;
  bool fellBack = false;  // the wanted layout needs a rear recording there is not

  friend bool operator==(const LayoutChoice&, const LayoutChoice&) = default;
};
// Without a rear recording every layout becomes the front alone.
LayoutChoice ChooseLayout(ExportLayout wanted, bool hasRear);

struct PictureSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

struct PictureRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// The pictures of the two channels as they are recorded.
struct ChannelSizes {
  PictureSize front;
  PictureSize rear;
};

// Where each channel's picture goes, scaled to its rectangle, in the output picture.
// Every number is even, as yuv420p needs.
struct ExportGeometry {
  PictureSize output;
  std::optional<PictureRect> front;
  std::optional<PictureRect> rear;

  friend bool operator==(const ExportGeometry&, const ExportGeometry&) = default;
};

// nullopt when a picture the layout uses has a side below 2 or above the limit, or would
// be scaled beyond it. A size the layout does not use is not looked at.
std::optional<ExportGeometry> LayoutGeometry(ExportLayout layout, const ChannelSizes& sizes);

// The text band along the bottom of the output picture: two lines of text.
struct BandMetrics {
  int fontSize = 0;  // pixels, as the ASS style's font size
  int margin = 0;    // around the text and the channel names
  int height = 0;

  friend bool operator==(const BandMetrics&, const BandMetrics&) = default;
};
BandMetrics BandMetricsOf(PictureSize output);

}  // namespace direvovu::exporting
