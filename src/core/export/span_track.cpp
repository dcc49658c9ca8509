#include "core/export/span_track.h"

#include <optional>

#include "core/export/decimal_text.h"
#include "core/xml_text.h"

namespace direvovu::exporting {
namespace {

constexpr int kDegreeDecimals = 6;
constexpr int kGDecimals = 3;
constexpr double kKmhPerMs = 3.6;

struct Position {
  double latitude = 0;
  double longitude = 0;
};

std::optional<Position> PositionOf(const TrackSecond& r) {
  const Position p{NmeaToDecimalDegrees(LatitudeText(r)), NmeaToDecimalDegrees(LongitudeText(r))};
  if (!HasFix(p.latitude, p.longitude)) return std::nullopt;
  return p;
}

// The clock's UTC; a track whose times give no offset (a camera clock set far off) still
// knows its own.
std::optional<CivilTime> UtcOf(const SpanSource& source, const SpanSecond& s) {
  if (auto utc = UtcTimeAt(source.time, s.second)) return utc;
  return RecordUtcTime(*s.record);
}

std::string GpxPoint(const SpanSource& source, const SpanSecond& s, const Position& p) {
  const TrackSecond& r = *s.record;
  std::string point = "      <trkpt lat=\"" + DecimalText(p.latitude, kDegreeDecimals) + "\" lon=\"" +
                      DecimalText(p.longitude, kDegreeDecimals) + "\">\n";
  if (const auto utc = UtcOf(source, s)) point += "        <time>" + IsoUtcText(*utc) + "</time>\n";
  point += "        <extensions>\n          <gpxtpx:TrackPointExtension><gpxtpx:speed>" +
           DecimalText(r.speed / kKmhPerMs, 2) + "</gpxtpx:speed></gpxtpx:TrackPointExtension>\n" +
           "          <dv:g x=\"" + DecimalText(r.accelX, kGDecimals) + "\" y=\"" +
           DecimalText(r.accelY, kGDecimals) + "\" z=\"" + DecimalText(r.accelZ, kGDecimals) + "\"/>\n" +
           "        </extensions>\n      </trkpt>\n";
  return point;
}

std::string CsvRow(const SpanSource& source, const SpanSecond& s) {
  const TrackSecond& r = *s.record;
  const auto utc = UtcOf(source, s);
  const auto position = PositionOf(r);
  return (utc ? IsoUtcText(*utc) : "") + "," + MomentText(source.time, s.second) + "," +
         (position ? DecimalText(position->latitude, kDegreeDecimals) + "," +
                         DecimalText(position->longitude, kDegreeDecimals)
                   : ",") +
         "," + std::to_string(r.speed) + "," + DecimalText(r.accelX, kGDecimals) + "," +
         DecimalText(r.accelY, kGDecimals) + "," + DecimalText(r.accelZ, kGDecimals) + "\n";
}

}  // namespace

std::string SpanGpx(const SpanSource& source, std::string_view trackName) {
  std::string gpx =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"DirevOvu\" xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
      "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\"\n"
      "     xmlns:dv=\"" +
      std::string(kGpxExtensionNamespace) +
      "\"\n"
      "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
      "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
      "  <trk>\n    <name>" +
      XmlEscaped(trackName) + "</name>\n    <trkseg>\n";
  for (const SpanSecond& s : SecondsOfSpan(source)) {
    if (s.record == nullptr) continue;
    if (const auto position = PositionOf(*s.record)) gpx += GpxPoint(source, s, *position);
  }
  return gpx + "    </trkseg>\n  </trk>\n</gpx>\n";
}

std::string SpanCsv(const SpanSource& source) {
  std::string csv = std::string(kSpanCsvHeader) + "\n";
  for (const SpanSecond& s : SecondsOfSpan(source)) {
    if (s.record != nullptr) csv += CsvRow(source, s);
  }
  return csv;
}

}  // namespace direvovu::exporting
