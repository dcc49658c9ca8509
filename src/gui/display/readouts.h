#pragma once

#include <QString>

#include "core/display/readout_texts.h"
#include "core/recording/track_state.h"

class QLabel;

namespace direvovu::gui {

// The main window's readout labels (1186 elapsed, 1187 total, 1188 X, 1193 Y, 1194 Z,
// 1189 record date and time, 1190 peak, 1191 latitude, 1192 longitude). Missing labels
// are skipped.
struct ReadoutLabels {
  QLabel* elapsed = nullptr;
  QLabel* total = nullptr;
  QLabel* x = nullptr;
  QLabel* y = nullptr;
  QLabel* z = nullptr;
  QLabel* recordTime = nullptr;
  QLabel* peak = nullptr;
  QLabel* latitude = nullptr;
  QLabel* longitude = nullptr;
};

// Elapsed and total "mm:ss" texts of the play position and the length.
void ShowTimeTexts(const ReadoutLabels& labels, const QString& elapsed, const QString& total);

// The X/Y/Z texts the graph panel computed.
void ShowAxisTexts(const ReadoutLabels& labels, const display::AxisTexts& texts);

// Date and time, peak and position of the record at play second t. Nothing changes
// without records or at t = 0.
void ShowRecordTexts(const ReadoutLabels& labels, const TrackState& track, double playSecond);

// The empty state after the track is reset: "00˚00d´00.00˝" for the position, "00:00" for
// the play times (the total is filled in again only while it reads "00:00"), and empty
// record texts.
void ResetReadouts(const ReadoutLabels& labels);

}  // namespace direvovu::gui
