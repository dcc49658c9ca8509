#include "core/app/main_window_layout.h"

#include <algorithm>
#include <array>

#include "core/settings/text_rows.h"

namespace direvovu {
namespace {

namespace tip = rows::main_window;

constexpr std::array kButtons{
    ButtonPlace{ctl::kInfo, 22, 22, tip::kProgramInfo},
    ButtonPlace{ctl::kMinimize, 832, 22, tip::kMinimize},
    ButtonPlace{ctl::kClose, 882, 22, tip::kClose},
    ButtonPlace{ctl::kPlay, 67, 431, tip::kPlay},
    ButtonPlace{ctl::kPause, 67, 431, tip::kPause},
    ButtonPlace{ctl::kStop, 137, 431, tip::kStop},
    ButtonPlace{ctl::kCapture, 207, 431, tip::kCaptureVideo},
    ButtonPlace{ctl::kPrint, 277, 431, tip::kPrintScreen},
    // The export has no place of its own either: the free room after print, short of the
    // speed dial.
    ButtonPlace{ctl::kExport, 347, 431, tip::kExportIncident},
    ButtonPlace{ctl::kSpeedDown, 64, 488, tip::kSpeedDown},
    ButtonPlace{ctl::kSpeedUp, 174, 488, tip::kSpeedUp},
    ButtonPlace{ctl::kVolumeDown, 242, 488, tip::kVolumeDown},
    ButtonPlace{ctl::kVolumeUp, 352, 488, tip::kVolumeUp},
    ButtonPlace{ctl::kGravityGraph, 346, 629, tip::kGravityGraph},
    ButtonPlace{ctl::kSpeedGraph, 346, 629, tip::kSpeedGraph},
    ButtonPlace{ctl::kVideoMode, 65, 683, tip::kVideoMode},
    ButtonPlace{ctl::kDrivingLogMode, 65, 683, tip::kGpsTracerMode},
    ButtonPlace{ctl::kPassword, 125, 683, tip::kSetFilePassword},
    ButtonPlace{ctl::kDecryption, 185, 683, tip::kDecryptAndSave},
    ButtonPlace{ctl::kViewerSetup, 245, 683, tip::kViewerSetup},
    ButtonPlace{ctl::kSetup, 305, 683, tip::kBlackBoxSetup},
    ButtonPlace{ctl::kMap, 365, 683, tip::kMapView},
    // The driving-information button has no place of its own in the row; it takes the
    // free slot after the map button.
    ButtonPlace{ctl::kDrivingInfo, 425, 683, tip::kObd},
    ButtonPlace{ctl::kEventLog, 544, 683, tip::kEventLog},
    ButtonPlace{ctl::kOpen, 604, 683, tip::kOpenFile},
    ButtonPlace{ctl::kDetailSearch, 664, 683, tip::kSearchFile},
    ButtonPlace{ctl::kSdDownload, 724, 683, tip::kSdDownload},
    ButtonPlace{ctl::kDeleteItem, 784, 683, tip::kDeleteItem},
    ButtonPlace{ctl::kDeleteAll, 844, 683, tip::kDeleteAll},
};

constexpr std::array kLabels{
    LabelPlace{ctl::kElapsedTime, {38, 404, 68, 22}},
    LabelPlace{ctl::kTotalTime, {401, 404, 68, 22}},
    // Three rows under the rear picture, clear of the speed dial below them.
    LabelPlace{ctl::kRecordTime, {487, 404, 205, 18}},
    LabelPlace{ctl::kPeak, {697, 404, 100, 18}},
    LabelPlace{ctl::kReadoutX, {487, 423, 100, 18}},
    LabelPlace{ctl::kReadoutY, {592, 423, 100, 18}},
    LabelPlace{ctl::kReadoutZ, {697, 423, 100, 18}},
    LabelPlace{ctl::kLatitude, {487, 442, 205, 18}},
    LabelPlace{ctl::kLongitude, {697, 442, 205, 18}},
};

}  // namespace

std::span<const ButtonPlace> MainWindowButtons() { return kButtons; }

const ButtonPlace* FindButton(int id) {
  const auto* found =
      std::find_if(kButtons.begin(), kButtons.end(), [id](const ButtonPlace& b) { return b.id == id; });
  return found == kButtons.end() ? nullptr : &*found;
}

std::span<const LabelPlace> MainWindowLabels() { return kLabels; }

}  // namespace direvovu
