#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/recording/track_state.h"

namespace direvovu::cli {

enum class TrackFormat { Csv, Json, Gpx, Kml, GeoJson };

// "csv", "json", "gpx", "kml", "geojson"; nullopt for anything else.
std::optional<TrackFormat> ParseTrackFormat(std::string_view name);

// What the writers say about the recording besides its records.
struct TrackDocumentInfo {
  std::string name;  // the recording's file name
  std::uint64_t durationMs = 0;
  // A driving log carries no G-sensor: its exports leave the accel fields out.
  bool hasSensor = true;
  // The index of the first record in the file it came from (a trip of a driving log).
  std::size_t firstIndex = 0;
};

// CSV and JSON carry every record; GPX, KML and GeoJSON only the records with a fix.
void WriteTrack(std::ostream& out, TrackFormat format, const TrackState& track,
                const TrackDocumentInfo& info);

void WriteTrackCsv(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info);
void WriteTrackJson(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info);
void WriteTrackGpx(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info);
void WriteTrackKml(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info);
void WriteTrackGeoJson(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info);

// "YYYY-MM-DDTHH:MM:SSZ" of a record.
std::string UtcText(const TrackSecond& record);

}  // namespace direvovu::cli
