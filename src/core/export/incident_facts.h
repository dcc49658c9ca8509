#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/speed_unit.h"

namespace direvovu::exporting {

// A decoded picture, 8-bit RGB rows without padding (width × 3 bytes a row).
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  [[nodiscard]] bool empty() const { return width <= 0 || height <= 0 || rgb.empty(); }
};

// The front and the rear picture of one moment of the span (the rear may be empty).
struct MomentPictures {
  std::string label;   // what the moment is, in the report's language ("Start", "Peak G", "End")
  std::string moment;  // its local time with the UTC offset
  RgbPicture front;
  RgbPicture rear;
};

// A place, with its coordinates as decimal degrees.
struct ReportPlace {
  double latitude = 0;
  double longitude = 0;
};

// One original recording as it was copied into the folder.
struct ReportOriginal {
  std::string name;        // its file name under originals/
  std::string sha256_hex;  // of its bytes
  std::uint64_t bytes = 0;
};

// Everything the one-page report shows; plain data, so the page can be drawn by any
// painter (the viewer and the command line use Qt's PDF writer).
struct IncidentFacts {
  int language = 1;
  SpeedUnit speed_unit = SpeedUnit::Kmh;
  std::string recording;  // the front recording's file name
  std::string from_text;  // the span's first moment, local time with the UTC offset
  std::string to_text;    // its end
  double seconds = 0;     // the span's length
  std::optional<ReportPlace> start_place;  // the first record of the span with a fix
  std::optional<ReportPlace> end_place;    // the last one
  std::vector<MomentPictures> moments;     // start, the highest G, end
  // One value a second of the span; nullopt where no record exists.
  std::vector<std::optional<double>> speed_kmh;
  std::vector<std::optional<double>> g_magnitude;
  std::vector<ReportPlace> route;  // the fixes of the span, in order
  std::vector<ReportOriginal> originals;
};

}  // namespace direvovu::exporting
