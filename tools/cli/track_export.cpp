#include "track_export.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "core/settings/utf.h"
#include "core/printf_text.h"
#include "core/xml_text.h"

namespace direvovu::cli {
namespace {

// A record's position in decimal degrees; each coordinate is 0 when its text is 0.
struct Position {
  double latitude = 0;
  double longitude = 0;
  [[nodiscard]] bool Fixed() const { return HasFix(latitude, longitude); }
};

Position PositionOf(const TrackSecond& r) {
  return {NmeaToDecimalDegrees(LatitudeText(r)), NmeaToDecimalDegrees(LongitudeText(r))};
}

// printf's fixed-point text, without the sign of a value that rounds to zero.
std::string FixedText(double value, int decimals) {
  std::string out = PrintfText("%.*f", decimals, value);
  if (out.starts_with('-') && out.find_first_not_of("0.", 1) == std::string::npos) out.erase(0, 1);
  return out;
}

// Rounded the way the text formats round, so JSON numbers read like the CSV (adding
// +0.0 turns a negative zero into zero).
double Rounded(double value, double scale) { return std::round(value * scale) / scale + 0.0; }

// A file name is any bytes; the documents are UTF-8 (JSON writers throw on anything
// else), so what is not UTF-8 becomes U+FFFD.
std::string ValidUtf8(std::string_view text) {
  const auto utf16 = Utf8ToUtf16Le(text);
  return Utf16LeToUtf8(utf16);
}

// The records that have a fix, with their positions.
struct FixedRecord {
  int index = 0;
  const TrackSecond* record = nullptr;
  Position position;
};

std::vector<FixedRecord> FixedRecords(const TrackState& track) {
  std::vector<FixedRecord> fixed;
  const auto records = track.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Position p = PositionOf(records[i]);
    if (p.Fixed()) fixed.push_back({static_cast<int>(i), &records[i], p});
  }
  return fixed;
}

void AddSensor(nlohmann::ordered_json& record, const TrackSecond& r) {
  record["accel_x"] = Rounded(r.accelX, 1e3);
  record["accel_y"] = Rounded(r.accelY, 1e3);
  record["accel_z"] = Rounded(r.accelZ, 1e3);
}

nlohmann::ordered_json Coordinate(const Position& p) {
  return {Rounded(p.longitude, 1e6), Rounded(p.latitude, 1e6)};
}

}  // namespace

std::optional<TrackFormat> ParseTrackFormat(std::string_view name) {
  if (name == "csv") return TrackFormat::Csv;
  if (name == "json") return TrackFormat::Json;
  if (name == "gpx") return TrackFormat::Gpx;
  if (name == "kml") return TrackFormat::Kml;
  if (name == "geojson") return TrackFormat::GeoJson;
  return std::nullopt;
}

std::string UtcText(const TrackSecond& r) {
  char text[64];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02dT%02d:%02d:%02dZ", r.year, r.month, r.day, r.hour,
                r.minute, r.second);
  return text;
}

void WriteTrack(std::ostream& out, TrackFormat format, const TrackState& track,
                const TrackDocumentInfo& given) {
  TrackDocumentInfo info = given;
  info.name = ValidUtf8(given.name);
  switch (format) {
    case TrackFormat::Csv:
      WriteTrackCsv(out, track, info);
      break;
    case TrackFormat::Json:
      WriteTrackJson(out, track, info);
      break;
    case TrackFormat::Gpx:
      WriteTrackGpx(out, track, info);
      break;
    case TrackFormat::Kml:
      WriteTrackKml(out, track, info);
      break;
    case TrackFormat::GeoJson:
      WriteTrackGeoJson(out, track, info);
      break;
  }
}

void WriteTrackCsv(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info) {
  out << (info.hasSensor ? "index,utc,accel_x,accel_y,accel_z,latitude,longitude,speed_kmh\n"
                         : "index,utc,latitude,longitude,speed_kmh\n");
  const auto records = track.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TrackSecond& r = records[i];
    const Position p = PositionOf(r);
    out << info.firstIndex + i << ',' << UtcText(r) << ',';
    if (info.hasSensor)
      out << FixedText(r.accelX, 3) << ',' << FixedText(r.accelY, 3) << ',' << FixedText(r.accelZ, 3)
          << ',';
    out << (p.latitude != 0 ? FixedText(p.latitude, 6) : "") << ','
        << (p.longitude != 0 ? FixedText(p.longitude, 6) : "") << ',' << r.speed << '\n';
  }
}

void WriteTrackJson(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info) {
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  const auto all = track.Records();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const TrackSecond& r = all[i];
    const Position p = PositionOf(r);
    nlohmann::ordered_json record = {{"index", info.firstIndex + i}, {"utc", UtcText(r)}};
    if (info.hasSensor) AddSensor(record, r);
    record["latitude"] = p.latitude != 0 ? nlohmann::ordered_json(Rounded(p.latitude, 1e6)) : nullptr;
    record["longitude"] = p.longitude != 0 ? nlohmann::ordered_json(Rounded(p.longitude, 1e6)) : nullptr;
    record["speed_kmh"] = r.speed;
    records.push_back(std::move(record));
  }
  const nlohmann::ordered_json doc = {{"file", info.name},
                                      {"duration_ms", info.durationMs},
                                      {"records_per_second", track.recordsPerSecond},
                                      {"peak_g", Rounded(track.peakMagnitude, 1e3)},
                                      {"records", records}};
  out << doc.dump(2) << '\n';
}

// GPX 1.1 has no speed element of its own; the Garmin track point extension carries it
// in m/s and is the one most GPX readers understand.
void WriteTrackGpx(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info) {
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gpx version=\"1.1\" creator=\"direvovu-cli\" xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
         "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\"\n"
         "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
         "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
         "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
      << "  <trk>\n    <name>" << XmlEscaped(info.name) << "</name>\n    <trkseg>\n";
  for (const auto& f : FixedRecords(track)) {
    out << "      <trkpt lat=\"" << FixedText(f.position.latitude, 6) << "\" lon=\""
        << FixedText(f.position.longitude, 6) << "\">\n"
        << "        <time>" << UtcText(*f.record) << "</time>\n"
        << "        <extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>"
        << FixedText(f.record->speed / 3.6, 2)
        << "</gpxtpx:speed></gpxtpx:TrackPointExtension></extensions>\n"
        << "      </trkpt>\n";
  }
  out << "    </trkseg>\n  </trk>\n</gpx>\n";
}

void WriteTrackKml(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info) {
  const auto fixed = FixedRecords(track);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n  <Document>\n    <name>"
      << XmlEscaped(info.name) << "</name>\n";
  if (!fixed.empty()) {
    out << "    <Placemark>\n      <name>" << XmlEscaped(info.name) << "</name>\n"
        << "      <TimeSpan><begin>" << UtcText(*fixed.front().record) << "</begin><end>"
        << UtcText(*fixed.back().record) << "</end></TimeSpan>\n";
    // A line needs two points; a lone fix is a point.
    out << (fixed.size() == 1 ? "      <Point>\n"
                              : "      <LineString>\n        <tessellate>1</tessellate>\n")
        << "        <coordinates>";
    for (std::size_t i = 0; i < fixed.size(); ++i) {
      out << (i ? " " : "") << FixedText(fixed[i].position.longitude, 6) << ','
          << FixedText(fixed[i].position.latitude, 6) << ",0";
    }
    out << "</coordinates>\n"
        << (fixed.size() == 1 ? "      </Point>\n" : "      </LineString>\n") << "    </Placemark>\n";
  }
  out << "  </Document>\n</kml>\n";
}

// The route as one line (with the time of each point, as GPX-to-GeoJSON converters
// write it), then one point per second with that second's readings.
void WriteTrackGeoJson(std::ostream& out, const TrackState& track, const TrackDocumentInfo& info) {
  const auto fixed = FixedRecords(track);
  nlohmann::ordered_json features = nlohmann::ordered_json::array();
  if (fixed.size() >= 2) {
    nlohmann::ordered_json line = nlohmann::ordered_json::array();
    nlohmann::ordered_json times = nlohmann::ordered_json::array();
    for (const auto& f : fixed) {
      line.push_back(Coordinate(f.position));
      times.push_back(UtcText(*f.record));
    }
    features.push_back({{"type", "Feature"},
                        {"geometry", {{"type", "LineString"}, {"coordinates", line}}},
                        {"properties", {{"name", info.name}, {"coordTimes", times}}}});
  }
  for (const auto& f : fixed) {
    const TrackSecond& r = *f.record;
    nlohmann::ordered_json properties = {{"index", info.firstIndex + static_cast<std::size_t>(f.index)},
                                         {"utc", UtcText(r)},
                                         {"speed_kmh", r.speed}};
    if (info.hasSensor) AddSensor(properties, r);
    features.push_back({{"type", "Feature"},
                        {"geometry", {{"type", "Point"}, {"coordinates", Coordinate(f.position)}}},
                        {"properties", properties}});
  }
  out << nlohmann::ordered_json({{"type", "FeatureCollection"}, {"features", features}}).dump(2) << '\n';
}

}  // namespace direvovu::cli
