#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/recording/track_state.h"

namespace direvovu::display {

// Everything here is in client pixels of the main window (the graph panel) or of the
// enlarged graph dialog; the widgets only paint what these functions compute.

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

enum class GraphMode { GSensor, Speed };
enum class Axis { X, Y, Z };

// The panel picture and the strip its curves run in.
inline constexpr int kPanelLeft = 66;
inline constexpr int kPanelTop = 523;
inline constexpr int kPanelWidth = 338;
inline constexpr int kPanelHeight = 103;
inline constexpr int kCurveLeft = 73;
inline constexpr int kCurveColumns = 325;
inline constexpr int kCursorRightmost = 398;
inline constexpr int kCursorTop = 524;
inline constexpr int kCursorBottom = 620;
// y of 0 g and pixels per g; ±2 g fill the panel.
inline constexpr int kGravityBaseline = 574;
inline constexpr int kGravityPixelsPerG = 25;
// y of 0 km/h, pixels per km/h and the highest speed the panel shows.
inline constexpr int kSpeedBaseline = 620;
inline constexpr double kSpeedPixelsPerKmh = 0.47;
inline constexpr int kPanelSpeedCap = 200;

// A double click here opens the enlarged graph.
inline constexpr int kEnlargeAreaLeft = 35;
inline constexpr int kEnlargeAreaRight = 410;
inline constexpr int kEnlargeAreaTop = 520;
inline constexpr int kEnlargeAreaBottom = 628;
bool InEnlargeArea(int x, int y);

// An event the camera logged for the recording: its second counted from the first
// record and the G-sensor values it logged.
struct GraphEvent {
  int offsetSeconds = 0;
  double x = 0;
  double y = 0;
  double z = 0;
};
inline constexpr int kMaxGraphEvents = 10;

// x of the play cursor for play time P of a recording of D seconds; nullopt when it would
// fall right of the panel or the length is not known yet.
std::optional<int> CursorX(double positionSeconds, double lengthSeconds);

// The event shown at play time P: one whose offset equals trunc(P).
const GraphEvent* EventAt(std::span<const GraphEvent> events, double positionSeconds);

// True when the record holds the values of one of the events. The camera logs its event
// values with three decimals while the track keeps the sensor's floats, so they match
// when they agree to the logged precision.
bool RecordMatchesEvent(const TrackSecond& record, std::span<const GraphEvent> events);

// y of an acceleration in the panel.
int PanelGravityY(double g);
// y of a speed in the panel (capped at 200 km/h).
int PanelSpeedY(int speed);

double SampleValue(const TrackSecond& record, Axis axis);

// The record each panel column shows in G-sensor mode, or −1 for a column that draws
// nothing. In a column that spans several records an event record wins over the first
// one, so a short spike stays visible.
std::vector<int> PanelGravityColumns(const TrackState& track, double lengthSeconds,
                                     std::span<const GraphEvent> events);

// The polyline of one axis in the panel: the start point at the first record, then one
// point per drawn column. Empty without records or length.
std::vector<Point> PanelGravityCurve(const TrackState& track, double lengthSeconds,
                                     std::span<const GraphEvent> events, Axis axis);

// The polyline of the speed in the panel; empty without records or when D < 1 s.
std::vector<Point> PanelSpeedCurve(const TrackState& track, double lengthSeconds);

// The enlarged graph dialog.
inline constexpr int kGraphDlgWidth = 803;
inline constexpr int kGraphDlgHeight = 258;
inline constexpr int kGraphDlgCurveLeft = 71;
inline constexpr int kGraphDlgPixelsPerSecond = 11;
inline constexpr int kGraphDlgGravityBaseline = 126;
inline constexpr int kGraphDlgPixelsPerG = 41;
inline constexpr int kGraphDlgSpeedBaseline = 206;
inline constexpr double kGraphDlgPixelsPerKmh = 0.82;
inline constexpr int kGraphDlgLabelLeft = 20;
inline constexpr int kGraphDlgLabelTop = 18;
inline constexpr int kGraphDlgLabelWidth = 51;
inline constexpr int kGraphDlgLabelHeight = 220;
inline constexpr int kGraphDlgCloseLeft = 753;
inline constexpr int kGraphDlgCloseTop = 13;

int DialogGravityY(double g);
int DialogSpeedY(int speed);  // not capped: a fast record runs off the top
std::vector<Point> DialogGravityCurve(const TrackState& track, double lengthSeconds, Axis axis);
std::vector<Point> DialogSpeedCurve(const TrackState& track, double lengthSeconds);

}  // namespace direvovu::display
