#pragma once

#include <span>

namespace direvovu {

// Control ids of the main window. The numbers are the ones the rest of the viewer
// (and its settings of old) use to name the controls.
namespace ctl {
inline constexpr int kFrontVideo = 1000;
inline constexpr int kSeekSlider = 1002;
inline constexpr int kStop = 1003;
inline constexpr int kPlay = 1004;
inline constexpr int kPause = 1005;
inline constexpr int kVolumeUp = 1008;
inline constexpr int kOpen = 1009;
inline constexpr int kVolumeDown = 1010;
inline constexpr int kPlayList = 1011;
inline constexpr int kClose = 1012;
inline constexpr int kPrint = 1013;
inline constexpr int kInfo = 1014;
inline constexpr int kSetup = 1015;
inline constexpr int kPassword = 1016;
inline constexpr int kCapture = 1017;
inline constexpr int kMinimize = 1018;
inline constexpr int kSpeedDown = 1019;
inline constexpr int kViewerSetup = 1021;
inline constexpr int kSdDownload = 1022;
inline constexpr int kDecryption = 1023;
inline constexpr int kDeleteItem = 1025;
inline constexpr int kDeleteAll = 1026;
inline constexpr int kSpeedUp = 1031;
inline constexpr int kDetailSearch = 1064;
inline constexpr int kGravityGraph = 1070;
inline constexpr int kSpeedGraph = 1072;
inline constexpr int kVideoMode = 1128;
inline constexpr int kDrivingLogMode = 1129;
inline constexpr int kRearVideo = 1131;
inline constexpr int kMap = 1133;
inline constexpr int kDrivingInfo = 1134;
inline constexpr int kElapsedTime = 1186;
inline constexpr int kTotalTime = 1187;
inline constexpr int kReadoutX = 1188;
inline constexpr int kRecordTime = 1189;
inline constexpr int kPeak = 1190;
inline constexpr int kLatitude = 1191;
inline constexpr int kLongitude = 1192;
inline constexpr int kReadoutY = 1193;
inline constexpr int kReadoutZ = 1194;
inline constexpr int kEventLog = 2010;
inline constexpr int kExport = 2011;
}  // namespace ctl

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A skinned button: its top-left corner (it takes its picture's size) and the row of
// the main window's text table that is its tooltip.
struct ButtonPlace {
  int id;
  int left;
  int top;
  int tooltip_row;
};

// Every button of the main window. Pairs that share a place (play/pause, the two graph
// buttons, the two mode buttons) are both listed; one of each pair is shown at a time.
std::span<const ButtonPlace> MainWindowButtons();
// The entry of a button id, or nullptr.
const ButtonPlace* FindButton(int id);

// Areas of the other controls, in client pixels.
inline constexpr Rect kFrontVideoArea{34, 70, 437, 328};
inline constexpr Rect kRearVideoArea{479, 70, 437, 328};
inline constexpr Rect kSeekSliderArea{110, 406, 287, 20};
inline constexpr int kSeekRange = 10000;
inline constexpr Rect kPlayListArea{553, 481, 350, 173};
inline constexpr Rect kModePanelArea{40, 522, 24, 107};
inline constexpr Rect kGraphPanelArea{66, 523, 338, 103};
inline constexpr Rect kSpeedometerArea{403, 462, 144, 185};

// The readout labels: the play time beside the seek slider, the record's texts in the
// strip under the rear picture.
struct LabelPlace {
  int id;
  Rect area;
};
std::span<const LabelPlace> MainWindowLabels();

}  // namespace direvovu
