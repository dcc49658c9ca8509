#pragma once

// The evidence export: a span of a front/rear recording pair as one MP4 (H.264, AAC,
// a timed-text track), composed, overlaid and encoded in this process. The GUI runs it
// on a worker thread, the command-line tool on its own; nothing here is shared between
// two exports.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/export/band_text.h"
#include "core/export/export_layout.h"

namespace direvovu::media {

// One recording. A non-empty plain_head replaces the file's first bytes: the camera
// scrambles the first 128 bytes of a recording with a password, and the caller hands
// them decrypted. The plain bytes are only ever held in memory.
struct MediaInput {
  std::filesystem::path file;
  std::vector<std::uint8_t> plain_head;
};

// The layouts and the timed texts are the export's own rules (core/export); the rear
// picture goes in as the camera recorded it (not mirrored back).
using exporting::ExportLayout;
using exporting::SubtitleCue;

struct ExportRequest {
  MediaInput front;
  std::optional<MediaInput> rear;
  // The frames whose time t from the recording's start has from <= t < to.
  double from_seconds = 0;
  double to_seconds = 0;
  ExportLayout layout = exporting::kDefaultExportLayout;
  // An ASS script burned into the picture after composing; its times count from the
  // first exported frame. Empty: no overlay.
  std::filesystem::path overlay_script;
  std::vector<SubtitleCue> cues;  // empty: no subtitle track
  std::string creation_time;      // ISO 8601 UTC ("2012-03-14T00:05:07Z"); empty: not written
  std::string location;           // ISO 6709 ("+37.5665+126.9780/"); empty: not written
  std::filesystem::path output;   // the MP4; replaced only once it is complete
};

struct ExportResult {
  bool ok = false;
  std::string message;                        // why it failed, in English; empty when ok
  ExportLayout layout = ExportLayout::Front;  // the layout written
  bool fell_back_to_front = false;            // side by side or picture in picture without a rear
  std::int64_t frames = 0;                    // video frames written
  bool has_audio = false;
};

// Fraction done in [0, 1], called on the exporting thread: at the first frame, at least
// every half second of output, and with 1 at the end.
using ExportProgress = std::function<void(double fraction)>;

// Runs the whole export on the calling thread. `cancel` is read between frames; a
// cancelled or failed export leaves no output file behind.
ExportResult ExportEvidenceVideo(const ExportRequest& request, const ExportProgress& progress = {},
                                 const std::atomic<bool>* cancel = nullptr);

// FFmpeg's libraries write notes to standard error (the encoder's statistics, the fonts
// the overlay picks); this keeps only their errors, for the whole process.
void QuietMediaLibraryLogs();

}  // namespace direvovu::media
