#include "media/incident_export.h"

#include <chrono>
#include <cmath>

#include "core/export/band_text.h"
#include "core/export/checksums.h"
#include "core/export/incident_folder.h"
#include "core/export/overlay_script.h"
#include "core/export/report_series.h"
#include "core/export/span_track.h"
#include "core/io/atomic_file.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "media/compose_plan.h"
#include "media/incident_inputs.h"
#include "media/picture_grab.h"

namespace direvovu::media {
namespace {

namespace fs = std::filesystem;
namespace ex = exporting;

// The clip takes most of the time; originals, track files, pictures and the report the rest.
constexpr double kClipShare = 0.85;
constexpr int kReportPictureWidth = 640;
constexpr std::string_view kOverlayFile = ".overlay.ass";

IncidentOutcome Ended(IncidentEnd end, std::string message) {
  IncidentOutcome outcome;
  outcome.end = end;
  outcome.message = std::move(message);
  return outcome;
}

std::optional<ComposePlan> PlanOf(const IncidentInputs& inputs, ExportLayout layout) {
  const auto front = VideoSizeOf(inputs.front);
  if (!front) return std::nullopt;
  std::optional<ex::PictureSize> rear;
  if (inputs.rear) {
    if (const auto size = VideoSizeOf(*inputs.rear)) rear = ex::PictureSize{size->width, size->height};
  }
  return PlanComposition(layout, {front->width, front->height}, rear);
}

std::string Iso6709(const ex::ReportPlace& place) {
  char text[48];
  std::snprintf(text, sizeof(text), "%+08.4f%+09.4f/", place.latitude, place.longitude);
  return text;
}

bool WriteText(const fs::path& file, const std::string& text) {
  return WriteFileAtomically(file,
                             std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// The clip's request: the span of the pair, the overlay and cues of the same texts.
ExportRequest ClipRequest(const IncidentRequest& request, const IncidentInputs& inputs,
                          const ex::SpanSource& source, const fs::path& folder) {
  ExportRequest clip;
  clip.front = inputs.front;
  clip.rear = inputs.rear;
  clip.from_seconds = request.span.from;
  clip.to_seconds = request.span.to;
  clip.layout = request.layout;
  clip.output = folder / "incident.mp4";
  const ex::OverlayStyle style{request.speed_unit, request.language};
  clip.cues = ex::SubtitleCues(source, style);
  const auto first = static_cast<std::int64_t>(std::floor(request.span.from));
  if (const auto utc = ex::UtcTimeAt(source.time, first)) clip.creation_time = ex::IsoUtcText(*utc);
  ex::IncidentFacts places;
  ex::FillTrackFacts(source, places);
  if (places.start_place) clip.location = Iso6709(*places.start_place);
  return clip;
}

// The start, the highest G and the end of the span, front and rear, named in the language.
std::vector<ex::MomentPictures> MomentsOf(const IncidentInputs& inputs, const ex::SpanSource& source,
                                          int language) {
  namespace row = rows::program_texts;
  const double last = std::max(source.span.from, source.span.to - 0.05);
  const double peak = std::clamp(static_cast<double>(ex::PeakGSecond(source)), source.span.from, last);
  const struct {
    int label;
    double seconds;
  } moments[] = {{row::kReportMomentStart, source.span.from},
                 {row::kReportMomentPeakG, peak},
                 {row::kReportMomentEnd, last}};
  std::vector<ex::MomentPictures> pictures;
  for (const auto& m : moments) {
    ex::MomentPictures shot;
    shot.label = Text(TextTable::ProgramTexts, m.label, language);
    shot.moment = ex::MomentText(source.time, static_cast<std::int64_t>(std::floor(m.seconds)));
    shot.front = GrabPicture(inputs.front, m.seconds, kReportPictureWidth);
    if (inputs.rear) shot.rear = GrabPicture(*inputs.rear, m.seconds, kReportPictureWidth);
    pictures.push_back(std::move(shot));
  }
  return pictures;
}

// Copies the two recordings into originals/ and notes their digests for the report.
std::optional<std::string> CopyOriginals(const ex::IncidentFolder& folder, const IncidentRequest& request,
                                         const IncidentInputs& inputs, const std::atomic<bool>& cancel,
                                         ex::IncidentFacts& facts) {
  const CopyWatch watch{&cancel, {}};
  std::vector<fs::path> files{request.front};
  if (!inputs.rear_path.empty()) files.push_back(inputs.rear_path);
  for (const fs::path& file : files) {
    if (auto problem = ex::CopyOriginal(folder, file, &watch)) return problem;
    const fs::path copy = folder.path() / ex::kOriginalsFolderName / file.filename();
    std::error_code error;
    const auto digest = Sha256OfFile(copy, error, &watch);
    if (!digest) return "cannot read back " + copy.string();
    facts.originals.push_back({file.filename().string(), HexText(*digest), fs::file_size(copy, error)});
  }
  return std::nullopt;
}

class IncidentRun {
 public:
  IncidentRun(const IncidentRequest& request, const ReportWriter& write_report,
              const std::function<void(const IncidentProgress&)>& progress, const std::atomic<bool>& cancel)
      : request_(request), write_report_(write_report), progress_(progress), cancel_(cancel) {}

  IncidentOutcome Run();

 private:
  void Report(double fraction) {
    if (!progress_) return;
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const double left = fraction > 0.02 ? elapsed * (1 - fraction) / fraction : -1;
    progress_({fraction, left});
  }
  IncidentOutcome Stopped(std::string message) {
    return cancel_ ? Ended(IncidentEnd::Cancelled, "cancelled")
                   : Ended(IncidentEnd::Failed, std::move(message));
  }
  IncidentOutcome WriteFolder(ex::IncidentFolder& folder, const IncidentInputs& inputs,
                              const ex::SpanSource& source, const ComposePlan& plan);

  const IncidentRequest& request_;
  const ReportWriter& write_report_;
  const std::function<void(const IncidentProgress&)>& progress_;
  const std::atomic<bool>& cancel_;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};

IncidentOutcome IncidentRun::Run() {
  const auto start = RecordingNameTime(request_.front.filename().string());
  if (!start) {
    return Ended(IncidentEnd::BadInput,
                 request_.front.filename().string() + " is not named as the camera names its recordings");
  }
  OpenedInputs opened = OpenIncidentInputs(request_.front, request_.password);
  if (!opened.inputs) return Ended(opened.end, opened.message);
  const IncidentInputs& inputs = *opened.inputs;
  if (auto problem = ex::SpanProblem(request_.span, inputs.length_seconds)) {
    return Ended(IncidentEnd::BadInput, *problem);
  }
  const auto plan = PlanOf(inputs, request_.layout);
  if (!plan)
    return Ended(IncidentEnd::BadInput, request_.front.filename().string() + " has no picture to export");
  if (request_.layout == ex::ExportLayout::Rear && !plan->shows_rear()) {
    return Ended(IncidentEnd::BadInput,
                 "there is no rear recording beside " + request_.front.filename().string());
  }
  const ex::SpanSource source{request_.span, ex::MakeTimeModel(*start, inputs.track.Records()),
                              inputs.track.Records()};
  const auto first = static_cast<std::int64_t>(std::floor(request_.span.from));
  ex::IncidentFolderStart begun =
      ex::IncidentFolder::Begin(request_.parent, ex::LocalTimeAt(source.time, first));
  if (!begun.folder) return Ended(IncidentEnd::Failed, begun.error);
  IncidentOutcome outcome = WriteFolder(*begun.folder, inputs, source, *plan);
  if (outcome.end != IncidentEnd::Done) begun.folder->Abandon();
  return outcome;
}

IncidentOutcome IncidentRun::WriteFolder(ex::IncidentFolder& folder, const IncidentInputs& inputs,
                                         const ex::SpanSource& source, const ComposePlan& plan) {
  ExportRequest clip = ClipRequest(request_, inputs, source, folder.path());
  if (request_.overlay) {
    const fs::path script = folder.path() / kOverlayFile;
    if (!WriteText(script,
                   ex::OverlayScript(source, plan.geometry, {request_.speed_unit, request_.language}))) {
      return Stopped("cannot write into " + request_.parent.string());
    }
    clip.overlay_script = script;
  }
  const ExportResult video = ExportEvidenceVideo(
      clip, [this](double f) { Report(f * kClipShare); }, &cancel_);
  std::error_code ignored;
  if (!clip.overlay_script.empty()) fs::remove(clip.overlay_script, ignored);
  if (!video.ok) return Stopped(video.message);

  ex::IncidentFacts facts;
  facts.language = request_.language;
  facts.speed_unit = request_.speed_unit;
  facts.recording = request_.front.filename().string();
  facts.from_text = ex::MomentText(source.time, static_cast<std::int64_t>(std::floor(request_.span.from)));
  facts.to_text = ex::MomentText(source.time, static_cast<std::int64_t>(std::ceil(request_.span.to)));
  facts.seconds = request_.span.to - request_.span.from;
  ex::FillTrackFacts(source, facts);
  if (auto problem = CopyOriginals(folder, request_, inputs, cancel_, facts)) return Stopped(*problem);
  Report(kClipShare + 0.05);
  const std::string stem = request_.front.stem().string();
  if (!WriteText(folder.path() / "track.gpx", ex::SpanGpx(source, stem)) ||
      !WriteText(folder.path() / "track.csv", ex::SpanCsv(source))) {
    return Stopped("cannot write the track files into " + request_.parent.string());
  }
  if (cancel_) return Stopped({});
  facts.moments = MomentsOf(inputs, source, request_.language);
  Report(kClipShare + 0.1);
  if (write_report_) {
    if (auto problem = write_report_(facts, folder.path() / "incident.pdf")) return Stopped(*problem);
  }
  if (cancel_) return Stopped({});
  const ex::CommitOutcome committed = folder.Commit();
  if (!committed.ok()) return Stopped(committed.error);
  Report(1.0);
  IncidentOutcome outcome = Ended(IncidentEnd::Done, {});
  outcome.folder = committed.folder;
  outcome.fell_back_to_front = video.fell_back_to_front;
  if (video.fell_back_to_front)
    outcome.message = "there is no rear recording: the clip shows the front alone";
  return outcome;
}

}  // namespace

IncidentOutcome ExportIncident(const IncidentRequest& request, const ReportWriter& write_report,
                               const std::function<void(const IncidentProgress&)>& progress,
                               const std::atomic<bool>& cancel) {
  return IncidentRun(request, write_report, progress, cancel).Run();
}

}  // namespace direvovu::media
