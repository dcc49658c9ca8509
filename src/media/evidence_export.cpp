#include "media/evidence_export.h"

#include <cmath>
#include <new>
#include <regex>
#include <system_error>

#include "core/io/atomic_file.h"
#include "core/limits.h"
#include "media/export_run.h"

namespace direvovu::media {
namespace {

namespace fs = std::filesystem;

// Messages are put together from parts ("the front recording … is truncated"); the user
// reads them as sentences.
std::string Sentence(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

ExportResult Failure(const std::string& message) {
  ExportResult result;
  result.message = Sentence(message);
  return result;
}

std::optional<std::string> RefuseSpan(const ExportRequest& request) {
  const double from = request.from_seconds;
  const double to = request.to_seconds;
  if (!std::isfinite(from) || !std::isfinite(to) || from < 0 || to <= from)
    return "The span to export is empty or not a span of the recording.";
  return std::nullopt;
}

std::optional<std::string> RefuseCues(const std::vector<SubtitleCue>& cues) {
  for (std::size_t i = 0; i < cues.size(); ++i) {
    if (cues[i].endMs <= cues[i].startMs)
      return "Subtitle " + std::to_string(i + 1) + " does not end after it starts.";
    if (cues[i].text.size() > limits::kMaxCueTextBytes)
      return "Subtitle " + std::to_string(i + 1) + " is too long for a timed-text track.";
  }
  return std::nullopt;
}

std::optional<std::string> RefuseFiles(const ExportRequest& request) {
  std::error_code ec;
  if (!request.overlay_script.empty() && !fs::is_regular_file(request.overlay_script, ec))
    return "The overlay script " + request.overlay_script.string() + " cannot be read.";
  if (request.output.empty() || !request.output.has_filename()) return "No file to export to was given.";
  if (fs::is_directory(request.output, ec)) return request.output.string() + " is a folder.";
  const fs::path folder = request.output.parent_path().empty() ? fs::path(".") : request.output.parent_path();
  if (!fs::is_directory(folder, ec)) return "The folder " + folder.string() + " does not exist.";
  if (fs::exists(request.output, ec) &&
      (fs::status(request.output, ec).permissions() & fs::perms::owner_write) == fs::perms::none)
    return request.output.string() + " is read-only.";
  return std::nullopt;
}

// The muxer would drop a tag it cannot read with no more than a note on standard error.
std::optional<std::string> RefuseTags(const ExportRequest& request) {
  std::int64_t parsed = 0;
  if (!request.creation_time.empty() && av_parse_time(&parsed, request.creation_time.c_str(), 0) < 0)
    return "The creation time '" + request.creation_time + "' is not an ISO 8601 time.";
  // Latitude, longitude and an optional height in signed decimal degrees, then '/'.
  static const std::regex kPoint(R"([+-]\d+(\.\d+)?[+-]\d+(\.\d+)?([+-]\d+(\.\d+)?)?/)");
  if (!request.location.empty() && !std::regex_match(request.location, kPoint))
    return "The location '" + request.location + "' is not an ISO 6709 point such as +37.5665+126.9780/.";
  return std::nullopt;
}

std::optional<std::string> Refuse(const ExportRequest& request) {
  if (auto span = RefuseSpan(request)) return span;
  if (auto cues = RefuseCues(request.cues)) return cues;
  if (auto tags = RefuseTags(request)) return tags;
  return RefuseFiles(request);
}

// Writes under a temporary name beside the target and renames it once complete, so a
// failed export never leaves a part of a file, nor spoils a file it was to replace.
ExportResult WriteThroughTemporary(const ExportRequest& request, const ExportProgress& progress,
                                   const std::atomic<bool>* cancel) {
  const fs::path part = TemporarySibling(request.output);
  ExportResult result;
  try {
    {
      ExportRun run(request, part, progress, cancel);
      result = run.Run();
    }
    fs::rename(part, request.output);
    return result;
  } catch (const MediaError& e) {
    result = Failure(e.what());
  } catch (const fs::filesystem_error& e) {
    result = Failure("Cannot write " + request.output.string() + ": " + e.code().message());
  } catch (const std::bad_alloc&) {
    result = Failure("Out of memory.");
  }
  std::error_code ec;
  fs::remove(part, ec);
  return result;
}

}  // namespace

ExportResult ExportEvidenceVideo(const ExportRequest& request, const ExportProgress& progress,
                                 const std::atomic<bool>* cancel) {
  if (auto refusal = Refuse(request)) return Failure(*refusal);
  return WriteThroughTemporary(request, progress, cancel);
}

void QuietMediaLibraryLogs() { av_log_set_level(AV_LOG_ERROR); }

}  // namespace direvovu::media
