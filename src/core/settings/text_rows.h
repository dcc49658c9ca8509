#pragma once

// Row numbers of the string tables other than the messages (those are in msg::,
// texts.h). Each namespace ends with kRowCount, the table's number of rows; the
// table files check that their arrays have exactly that many rows.
namespace direvovu::rows {

namespace common {
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;
inline constexpr int kOpen = 2;
inline constexpr int kSave = 3;
inline constexpr int kSearch = 4;
inline constexpr int kClose = 5;
inline constexpr int kRowCount = 6;
}  // namespace common

// Indexed by language id.
namespace language_names {
inline constexpr int kRowCount = 7;
}  // namespace language_names

namespace map_window {
inline constexpr int kTitle = 0;
inline constexpr int kAddress = 1;
inline constexpr int kRowCount = 2;
}  // namespace map_window

namespace viewer_setup {
inline constexpr int kTitle = 0;
inline constexpr int kCaptureFolder = 1;
inline constexpr int kDecryptionFolder = 2;
inline constexpr int kLanguage = 3;
inline constexpr int kMapDisplayGroup = 4;
inline constexpr int kUseMarker = 5;
inline constexpr int kMarkerFrequency = 6;
inline constexpr int kOff = 7;
inline constexpr int kOn = 8;
// Seven rows "1 Second" .. "20 Seconds", in the order of the interval list.
inline constexpr int kFirstInterval = 9;
inline constexpr int kIntervalCount = 7;
inline constexpr int kGeneralGroup = 16;
inline constexpr int kSpeedUnit = 17;
inline constexpr int kRowCount = 18;
}  // namespace viewer_setup

namespace file_password {
inline constexpr int kTitle = 0;
inline constexpr int kPasswordFolder = 1;
inline constexpr int kInputGroup = 2;
inline constexpr int kPassword = 3;
inline constexpr int kConfirmPassword = 4;
inline constexpr int kFileEncryption = 5;
inline constexpr int kOff = 6;
inline constexpr int kOn = 7;
inline constexpr int kRowCount = 8;
}  // namespace file_password

namespace black_box_setup {
inline constexpr int kSetupFolder = 0;
inline constexpr int kDriver = 1;
inline constexpr int kLicenseNumber = 2;
inline constexpr int kImpactGroup = 3;
inline constexpr int kFastSetup = 4;
inline constexpr int kManualSetup = 5;
// "INSENSITIVE", "NORMAL", "SENSITIVE": index = IMPACT_VAL_INDEX.
inline constexpr int kFirstSensitivity = 6;
inline constexpr int kSensitivityCount = 3;
inline constexpr int kFrameRate = 9;
inline constexpr int kMute = 10;
inline constexpr int kBuzzer = 11;
inline constexpr int kRearMirror = 12;
inline constexpr int kParkingShare = 13;
inline constexpr int kShare25 = 14;
inline constexpr int kShare50 = 15;
inline constexpr int kSetTime = 16;
inline constexpr int kSaveTime = 17;
inline constexpr int kTimeZone = 18;
// "Sunday" .. "Saturday": index = tm_wday.
inline constexpr int kFirstWeekday = 19;
inline constexpr int kTitle = 26;
inline constexpr int kCutOffVoltage = 27;
inline constexpr int kRowCount = 28;
}  // namespace black_box_setup

namespace detail_search {
inline constexpr int kTitle = 0;
inline constexpr int kSearchFolder = 1;
inline constexpr int kDurationGroup = 2;
inline constexpr int kStart = 3;
inline constexpr int kEnd = 4;
inline constexpr int kSearchSdCard = 5;
inline constexpr int kRowCount = 6;
}  // namespace detail_search

namespace sd_download {
inline constexpr int kTitle = 0;
inline constexpr int kSdDrive = 1;
inline constexpr int kDownloadObject = 2;
inline constexpr int kDownloadFolder = 3;
inline constexpr int kFormatGroup = 4;
inline constexpr int kFormatDrive = 5;
inline constexpr int kFormat = 6;
inline constexpr int kDownload = 7;
inline constexpr int kOn = 8;
inline constexpr int kOff = 9;
inline constexpr int kCopyToPlayList = 10;
inline constexpr int kCopy = 11;
inline constexpr int kNoCopy = 12;
inline constexpr int kSelectAll = 13;
inline constexpr int kDeselectAll = 14;
inline constexpr int kReverse = 15;
inline constexpr int kDownloadButton = 16;
// "All", "Driving Files", "Event Files", "Parking Files", "Parking Event Files":
// index = the kind list's index.
inline constexpr int kFirstKind = 17;
inline constexpr int kKindCount = 5;
inline constexpr int kDownloadGroup = 22;
// The format confirmation: its title and its text (%1 drive, %2 folder, %3 size, %4 label).
inline constexpr int kFormatConfirmTitle = 23;
inline constexpr int kFormatConfirmText = 24;
inline constexpr int kFormatDone = 25;
inline constexpr int kFormatFailed = 26;
inline constexpr int kFormatUnavailable = 27;
// The card check's marks, in CardMark order: unreadable, empty, not a recording,
// truncated, no rear recording.
inline constexpr int kFirstMark = 28;
inline constexpr int kMarkCount = 5;
inline constexpr int kOnlyMarked = 33;
inline constexpr int kMarkColumn = 34;
// The confirmation's line naming the device (%1) and its file system (%2).
inline constexpr int kFormatDeviceLine = 35;
inline constexpr int kEject = 36;
inline constexpr int kEjectDone = 37;
inline constexpr int kEjectFailed = 38;
inline constexpr int kFormatRefused = 39;
inline constexpr int kRowCount = 40;
}  // namespace sd_download

namespace password_entry {
inline constexpr int kTitle = 0;
inline constexpr int kPrompt = 1;
inline constexpr int kPassword = 2;
inline constexpr int kRowCount = 3;
}  // namespace password_entry

// Same layout as password_entry.
namespace password_reentry {
inline constexpr int kTitle = 0;
inline constexpr int kPrompt = 1;
inline constexpr int kPassword = 2;
inline constexpr int kRowCount = 3;
}  // namespace password_reentry

namespace file_copy {
inline constexpr int kTitle = 0;
inline constexpr int kCopying = 1;
inline constexpr int kDone = 2;
inline constexpr int kStopping = 3;
// The end text when files failed; %1 is their count.
inline constexpr int kSomeFailed = 4;
// "%1 left", %1 the time left as m:ss.
inline constexpr int kTimeLeft = 5;
// "Copied: %1   Already downloaded: %2   Failed: %3".
inline constexpr int kCounts = 6;
inline constexpr int kDiskFull = 7;
inline constexpr int kCardLost = 8;
inline constexpr int kRowCount = 9;
}  // namespace file_copy

namespace program_info {
inline constexpr int kTitle = 0;
inline constexpr int kViewerVersion = 1;
inline constexpr int kFirmwareVersion = 2;
inline constexpr int kNotice = 3;
inline constexpr int kCheckUpgrade = 4;
inline constexpr int kRowCount = 5;
}  // namespace program_info

namespace recording_kinds {
// Rows 0..3 are indexed by the recording kind (driving, event, parking, parking event).
inline constexpr int kDriving = 0;
inline constexpr int kEvent = 1;
inline constexpr int kParking = 2;
inline constexpr int kParkingEvent = 3;
inline constexpr int kNumber = 4;
inline constexpr int kDate = 5;
inline constexpr int kTime = 6;
inline constexpr int kType = 7;
inline constexpr int kFileName = 8;
inline constexpr int kDriveDate = 9;
inline constexpr int kDriveTime = 10;
inline constexpr int kDriveDistance = 11;
inline constexpr int kDrivingRoute = 12;
inline constexpr int kRowCount = 13;
}  // namespace recording_kinds

namespace driving_log {
inline constexpr int kTitle = 0;
inline constexpr int kDrivingLog = 1;
inline constexpr int kTripList = 2;
inline constexpr int kTracingSpeed = 3;
inline constexpr int kTracingPosition = 4;
inline constexpr int kDistance = 5;
inline constexpr int kDrivingTime = 6;
inline constexpr int kStoppedDuration = 7;
inline constexpr int kAverageSpeed = 8;
inline constexpr int kMaximumSpeed = 9;
inline constexpr int kDrivingInformation = 10;
inline constexpr int kPlayInformation = 11;
inline constexpr int kDate = 12;
inline constexpr int kTime = 13;
inline constexpr int kLatitude = 14;
inline constexpr int kLongitude = 15;
inline constexpr int kAddress = 16;
inline constexpr int kDriver = 17;
inline constexpr int kLicenseNumber = 18;
inline constexpr int kRowCount = 19;
}  // namespace driving_log

// Tooltips of the main window's buttons and labels of the map and driving-log windows.
namespace main_window {
inline constexpr int kStop = 0;
inline constexpr int kPlay = 1;
inline constexpr int kPause = 2;
inline constexpr int kClose = 3;
inline constexpr int kOpenFile = 4;
inline constexpr int kPrintScreen = 5;
inline constexpr int kProgramInfo = 6;
inline constexpr int kBlackBoxSetup = 7;
inline constexpr int kSetFilePassword = 8;
inline constexpr int kCaptureVideo = 9;
inline constexpr int kDecryptAndSave = 10;
inline constexpr int kDeleteAll = 11;
inline constexpr int kDeleteItem = 12;
inline constexpr int kMinimize = 13;
inline constexpr int kSpeedUp = 14;
inline constexpr int kSpeedDown = 15;
inline constexpr int kViewerSetup = 16;
inline constexpr int kSdDownload = 17;
inline constexpr int kSearchFile = 18;
inline constexpr int kVolumeUp = 19;
inline constexpr int kVolumeDown = 20;
inline constexpr int kFullScreen = 21;
inline constexpr int kMapCapture = 22;
inline constexpr int kGpsTracer = 23;
inline constexpr int kGravityGraph = 24;
inline constexpr int kSpeedGraph = 25;
inline constexpr int kVideoMode = 26;
inline constexpr int kGpsTracerMode = 27;
inline constexpr int kOpenDrivingLog = 28;
inline constexpr int kMapView = 29;
inline constexpr int kRefresh = 30;
inline constexpr int kEventLog = 31;
inline constexpr int kObd = 32;
inline constexpr int kDisplayTime = 33;
inline constexpr int kNoDisplayTime = 34;
inline constexpr int kDisplayMarker = 35;
inline constexpr int kNoDisplayMarker = 36;
inline constexpr int kExportIncident = 37;
inline constexpr int kRowCount = 38;
}  // namespace main_window

namespace event_report {
inline constexpr int kTitle = 0;
inline constexpr int kEventFolder = 1;
inline constexpr int kEventDate = 2;
inline constexpr int kEventTime = 3;
inline constexpr int kEventFactor = 4;
inline constexpr int kTotalEventFactor = 5;
inline constexpr int kSave = 6;
inline constexpr int kPrint = 7;
inline constexpr int kRowCount = 8;
}  // namespace event_report

namespace program_texts {
// Alerts of a print that could not go ahead.
inline constexpr int kCantMakePrinterFile = 0;
inline constexpr int kPrinterBitmapError = 1;
// Titles of the file dialogs that open recordings and driving logs, and the name of the
// driving logs' file type in the second one's filter.
inline constexpr int kOpenRecordingsTitle = 2;
inline constexpr int kOpenDrivingLogTitle = 3;
inline constexpr int kDrivingLogFiles = 4;
// The start-up failure; %1 is the player's own reason (English).
inline constexpr int kPlayerNotStarted = 5;
// The two lines painted into the map area while there is no connection.
inline constexpr int kOfflineHeadline = 6;
inline constexpr int kOfflineDetail = 7;
// The names over each picture of an exported clip, and the labels of its text band.
inline constexpr int kFrontChannel = 8;
inline constexpr int kRearChannel = 9;
inline constexpr int kBandSpeed = 10;
inline constexpr int kBandPosition = 11;
inline constexpr int kBandGSensor = 12;
// The incident report: its title and the labels of its facts, sections and legend; the
// length of a span is "%1 s" with %1 the seconds.
inline constexpr int kReportTitle = 13;
inline constexpr int kReportRecording = 14;
inline constexpr int kReportFrom = 15;
inline constexpr int kReportTo = 16;
inline constexpr int kReportDuration = 17;
inline constexpr int kReportStartPlace = 18;
inline constexpr int kReportEndPlace = 19;
inline constexpr int kReportRoute = 20;
inline constexpr int kReportOriginals = 21;
inline constexpr int kReportSeconds = 22;
// The report's three moments: the span's start, its highest G and its end.
inline constexpr int kReportMomentStart = 23;
inline constexpr int kReportMomentPeakG = 24;
inline constexpr int kReportMomentEnd = 25;
inline constexpr int kRowCount = 26;
}  // namespace program_texts

namespace export_window {
inline constexpr int kTitle = 0;
// "Recording: %1 (%2 s)", %1 its file name, %2 its length.
inline constexpr int kRecording = 1;
inline constexpr int kFrom = 2;
inline constexpr int kTo = 3;
inline constexpr int kLayout = 4;
// Side by side, front, rear, picture in picture: index = the export layout.
inline constexpr int kFirstLayout = 5;
inline constexpr int kLayoutCount = 4;
inline constexpr int kOverlay = 9;
inline constexpr int kFolder = 10;
inline constexpr int kExport = 11;
inline constexpr int kShowInFolder = 12;
inline constexpr int kExporting = 13;
// "About %1 left", %1 the time left as m:ss.
inline constexpr int kTimeLeft = 14;
inline constexpr int kCancelling = 15;
inline constexpr int kCancelled = 16;
// The end: %1 the incident folder, or why the export did not finish.
inline constexpr int kDone = 17;
inline constexpr int kFrontOnly = 18;
inline constexpr int kFailed = 19;
// A span that cannot be exported; %1 the recording's length in seconds.
inline constexpr int kSpanRefused = 20;
// The entry of the pictures' menu that opens the window.
inline constexpr int kPictureMenu = 21;
inline constexpr int kRowCount = 22;
}  // namespace export_window

namespace library_window {
inline constexpr int kTitle = 0;
inline constexpr int kFrom = 1;
inline constexpr int kTo = 2;
inline constexpr int kKind = 3;
inline constexpr int kAllKinds = 4;
inline constexpr int kPlace = 5;
inline constexpr int kAnywhere = 6;
// "Within %1 m" / "Within %1 km", %1 the radius.
inline constexpr int kWithinMetres = 7;
inline constexpr int kWithinKilometres = 8;
inline constexpr int kPlaceHint = 9;
inline constexpr int kAddFolder = 10;
inline constexpr int kScanAgain = 11;
// %1 recordings looked at of %2.
inline constexpr int kScanning = 12;
// The scan's four counts.
inline constexpr int kScanDone = 13;
inline constexpr int kRecordingsTab = 14;
inline constexpr int kMomentsTab = 15;
inline constexpr int kColumnStart = 16;
inline constexpr int kColumnKind = 17;
inline constexpr int kColumnLength = 18;
inline constexpr int kColumnDistance = 19;
inline constexpr int kColumnMoments = 20;
inline constexpr int kColumnFile = 21;
inline constexpr int kColumnTime = 22;
inline constexpr int kColumnValue = 23;
// Braking, acceleration, shock: index = the moment kind.
inline constexpr int kFirstMomentKind = 24;
inline constexpr int kMissing = 27;
inline constexpr int kScrambled = 28;
// %1 why the library file cannot be used.
inline constexpr int kCannotOpen = 29;
// %1 where the damaged file went.
inline constexpr int kMovedAside = 30;
// Driving, parked, event: index = the timeline kind.
inline constexpr int kFirstTimelineKind = 31;
// %1 recordings, %2 moments the filters keep.
inline constexpr int kCounts = 34;
inline constexpr int kRowCount = 35;
}  // namespace library_window

// The sheet of keys: its title, then one row for each binding of the key map, in its order.
namespace key_sheet {
inline constexpr int kTitle = 0;
inline constexpr int kFirstBinding = 1;
inline constexpr int kRowCount = 31;
}  // namespace key_sheet

}  // namespace direvovu::rows
