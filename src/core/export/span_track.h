#pragma once

#include <string>
#include <string_view>

#include "core/export/export_span.h"

namespace direvovu::exporting {

// The span's track as GPX 1.1: a track point per record of the span that has a fix,
// its time in UTC, its speed in m/s (Garmin's track point extension, which most readers
// know) and its G-sensor values in an extension of ours.
std::string SpanGpx(const SpanSource& source, std::string_view trackName);

// The namespace of our GPX extension.
inline constexpr std::string_view kGpxExtensionNamespace = "urn:direvovu:gpx:1";

// The span's track as CSV: this header, then a row per record of the span; a row without a
// fix leaves its position empty, one without a UTC time its time_utc.
inline constexpr std::string_view kSpanCsvHeader =
    "time_utc,local_time,latitude,longitude,speed_kmh,g_x,g_y,g_z";
std::string SpanCsv(const SpanSource& source);

}  // namespace direvovu::exporting
