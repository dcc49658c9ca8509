#include "media/export_run.h"

#include <algorithm>
#include <cmath>

#include "media/encoders.h"
#include "media/seconds_text.h"
#include "media/subtitle_cues.h"
#include "media/subtitle_track.h"

namespace direvovu::media {
namespace {

// Frame times are compared to the microsecond: a span given in seconds meets a frame
// time that is a fraction of a time base.
constexpr double kTimeSlack = 1e-6;

VideoSourceFormat SourceFormat(const AVFrame& frame, AVRational time_base) {
  const bool square = frame.sample_aspect_ratio.num <= 0 || frame.sample_aspect_ratio.den <= 0;
  return {frame.width, frame.height, frame.format, time_base,
          square ? AVRational{1, 1} : frame.sample_aspect_ratio};
}

std::optional<exporting::PictureSize> SizeOf(const std::optional<RecordingDemuxer>& demuxer) {
  if (!demuxer) return std::nullopt;
  return exporting::PictureSize{demuxer->video()->codecpar->width, demuxer->video()->codecpar->height};
}

}  // namespace

ExportRun::ExportRun(const ExportRequest& request, const std::filesystem::path& file,
                     const ExportProgress& progress, const std::atomic<bool>* cancel)
    : request_(request),
      progress_(progress),
      cancel_(cancel),
      front_(request.front, "front", true),
      writer_(file, request.output.string(), ContainerTags{request.creation_time, request.location}) {
  if (request.rear && request.layout != ExportLayout::Front) rear_.emplace(*request.rear, "rear", false);
  if (request.layout == ExportLayout::Rear && !rear_)
    throw MediaError("The rear layout needs a rear recording.");
  const AVCodecParameters* front = front_.video()->codecpar;
  const auto plan = PlanComposition(request.layout, {front->width, front->height}, SizeOf(rear_));
  if (!plan) throw MediaError("The pictures of " + front_.Describe() + " cannot be composed at their size.");
  plan_ = *plan;
  if (plan_.shows_front())
    OpenChannel(front_video_, front_);
  else
    front_.SkipVideo();
  if (plan_.shows_rear()) OpenChannel(rear_video_, *rear_);
  primary_ = plan_.shows_front() ? &front_video_ : &rear_video_;
  CheckSpan();
  if (front_.audio() != nullptr) audio_.emplace(front_, writer_.wants_global_header());
  packet_ = NewPacket();
  picture_ = NewFrame();
}

void ExportRun::OpenChannel(Channel& channel, RecordingDemuxer& demuxer) {
  channel.demuxer = &demuxer;
  channel.decoder.emplace(demuxer, demuxer.video());
  channel.steady.emplace();
}

double ExportRun::FrameSeconds() const { return 1 / av_q2d(front_.frame_rate()); }

void ExportRun::CheckSpan() const {
  const RecordingDemuxer& shown = *primary_->demuxer;
  const double length = shown.duration();
  if (length <= 0) return;  // the container does not say; the end of the pictures will
  if (request_.from_seconds >= length)
    throw MediaError("The span starts at " + SecondsText(request_.from_seconds) + ", after the end of " +
                     shown.Describe() + " (" + SecondsText(length) + ").");
  if (request_.to_seconds > length + FrameSeconds())
    throw MediaError("The span ends at " + SecondsText(request_.to_seconds) + ", after the end of " +
                     shown.Describe() + " (" + SecondsText(length) + ").");
}

ExportResult ExportRun::Run() {
  front_.SeekToKeyFrameBefore(request_.from_seconds);
  if (rear_) rear_->SeekToKeyFrameBefore(request_.from_seconds);
  while (FramePtr frame = NextPrimaryFrame()) {
    CheckCancel();
    if (!graph_) StartOutput(*frame);
    const double seconds = last_seconds_;
    PushPictures(std::move(frame));
    WritePictures();
    KeepSoundUpTo(seconds);
  }
  CheckCancel();
  FinishPictures();
  FinishSound();
  writer_.Finish();
  if (progress_) progress_(1.0);
  ExportResult result;
  result.ok = true;
  result.layout = plan_.layout;
  result.fell_back_to_front = plan_.fell_back_to_front;
  result.frames = frames_;
  result.has_audio = audio_.has_value();
  return result;
}

void ExportRun::Pump(RecordingDemuxer& demuxer) {
  Channel& video = &demuxer == &front_ ? front_video_ : rear_video_;
  const bool sound = audio_ && &demuxer == &front_;
  if (!demuxer.ReadPacket(packet_.get())) {
    if (video.decoder) video.decoder->Decode(nullptr);
    if (sound) audio_->Decode(nullptr);
    return;
  }
  if (packet_->stream_index == demuxer.video()->index) {
    if (video.decoder) video.decoder->Decode(packet_.get());
  } else if (sound) {
    audio_->Decode(packet_.get());
  }
}

FramePtr ExportRun::TakeChecked(Channel& channel) {
  FramePtr frame = channel.decoder->Pop();
  const PictureFormat format{frame->width, frame->height, frame->format};
  if (auto change = channel.steady->Next(format, channel.decoder->SecondsOf(*frame)))
    throw MediaError(channel.demuxer->Describe() + " " + *change + "; it cannot be exported as one video.");
  return frame;
}

FramePtr ExportRun::NextPrimaryFrame() {
  Channel& channel = *primary_;
  for (;;) {
    while (!channel.decoder->HasFrame()) {
      if (channel.decoder->drained()) return nullptr;
      Pump(*channel.demuxer);
    }
    FramePtr frame = TakeChecked(channel);
    const double seconds = channel.decoder->SecondsOf(*frame);
    if (seconds < request_.from_seconds - kTimeSlack) continue;
    if (seconds >= request_.to_seconds - kTimeSlack) {
      reached_end_ = true;
      return nullptr;
    }
    last_seconds_ = seconds;
    return frame;
  }
}

// The rear picture nearest in time to the front picture at `seconds` (the earlier of two
// as near); before the rear's first picture, that one.
const AVFrame* ExportRun::RearFrameFor(double seconds) {
  Channel& rear = rear_video_;
  for (;;) {
    while (rear.decoder->HasFrame()) {
      const double next = rear.decoder->SecondsOf(*rear.decoder->Front());
      const bool nearer = !rear.held || next <= seconds + kTimeSlack ||
                          next - seconds < seconds - rear.decoder->SecondsOf(*rear.held) - kTimeSlack;
      if (!nearer) return rear.held.get();
      rear.held = TakeChecked(rear);
    }
    if (rear.decoder->drained()) {
      if (!rear.held) throw MediaError(rear.demuxer->Describe() + " has no pictures.");
      return rear.held.get();
    }
    Pump(*rear.demuxer);
  }
}

void ExportRun::StartOutput(const AVFrame& first) {
  start_seconds_ = last_seconds_;
  start_pts_ = first.pts;
  const AVRational time_base = primary_->demuxer->video()->time_base;
  std::optional<VideoSourceFormat> front;
  std::optional<VideoSourceFormat> rear;
  if (plan_.shows_front()) front = SourceFormat(first, time_base);
  // Beside the front, rear pictures carry the front's time stamps.
  if (plan_.shows_rear())
    rear = SourceFormat(plan_.shows_front() ? *RearFrameFor(start_seconds_) : first, time_base);
  graph_.emplace(plan_, front, rear, front_.frame_rate(), request_.overlay_script);
  const double span_frames = (request_.to_seconds - start_seconds_) / FrameSeconds();
  expected_frames_ =
      std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(span_frames - kTimeSlack)));
  AddStreams();
  writer_.Start();
  if (subtitle_encoder_) WriteCues(subtitle_encoder_.get(), cues_, writer_, subtitle_stream_);
  if (audio_) audio_->Start(start_seconds_, request_.to_seconds, writer_, audio_stream_);
}

void ExportRun::AddStreams() {
  AVFilterContext* sink = graph_->sink();
  AVRational aspect = av_buffersink_get_sample_aspect_ratio(sink);
  if (aspect.num <= 0 || aspect.den <= 0) aspect = AVRational{1, 1};
  const bool global_header = writer_.wants_global_header();
  video_encoder_ = OpenVideoEncoder(
      {av_buffersink_get_w(sink), av_buffersink_get_h(sink), aspect, front_.frame_rate(), global_header});
  video_stream_ = writer_.AddStream(video_encoder_.get());
  if (audio_) audio_stream_ = writer_.AddStream(audio_->encoder());
  const auto shift_ms = std::llround((start_seconds_ - request_.from_seconds) * 1000);
  cues_ = ArrangeCues(request_.cues, shift_ms, std::llround((request_.to_seconds - start_seconds_) * 1000));
  if (cues_.empty()) return;
  subtitle_encoder_ = OpenSubtitleEncoder(global_header);
  subtitle_stream_ = writer_.AddStream(subtitle_encoder_.get());
}

void ExportRun::PushPictures(FramePtr frame) {
  const double seconds = primary_->decoder->SecondsOf(*frame);
  frame->pts -= start_pts_;
  if (plan_.shows_front() && plan_.shows_rear()) {
    FramePtr rear(av_frame_clone(RearFrameFor(seconds)));
    if (!rear) throw MediaError("Out of memory");
    rear->pts = frame->pts;
    PushFrame(graph_->rear_source(), rear.get());
  }
  PushFrame(plan_.shows_front() ? graph_->front_source() : graph_->rear_source(), frame.get());
}

void ExportRun::WritePictures() {
  AVFilterContext* sink = graph_->sink();
  const auto rounding = static_cast<AVRounding>(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX);
  bool ended = false;
  while (PullFrame(sink, picture_.get(), ended)) {
    const std::int64_t pts = av_rescale_q_rnd(picture_->pts, av_buffersink_get_time_base(sink),
                                              video_encoder_->time_base, rounding);
    if (pts <= last_encoded_pts_)
      throw MediaError(primary_->demuxer->Describe() + " changes its frame rate at " +
                       SecondsText(last_seconds_) + "; it cannot be exported as one video.");
    last_encoded_pts_ = pts;
    picture_->pts = pts;
    // The encoder places its own key frames, not where the recording had them.
    picture_->pict_type = AV_PICTURE_TYPE_NONE;
    EncodeAndWrite(video_encoder_.get(), picture_.get(), writer_, video_stream_);
    av_frame_unref(picture_.get());
    ++frames_;
    ReportProgress();
  }
}

void ExportRun::KeepSoundUpTo(double seconds) {
  while (audio_ && !audio_->done() && front_.position() < seconds) Pump(front_);
}

void ExportRun::FinishPictures() {
  const RecordingDemuxer& shown = *primary_->demuxer;
  if (!graph_) throw MediaError(shown.Describe() + " has no pictures in the span.");
  // The pictures stopped before the span's end although the recording claims to go on.
  if (!reached_end_ && last_seconds_ < request_.to_seconds - 1.5 * FrameSeconds())
    throw MediaError(shown.Describe() + " ends at " + SecondsText(last_seconds_) +
                     ", before the end of the span: it is truncated or damaged.");
  const AVRational time_base = shown.video()->time_base;
  const auto end_pts = std::llround((request_.to_seconds - start_seconds_) / av_q2d(time_base));
  if (graph_->front_source() != nullptr) EndInput(graph_->front_source(), end_pts);
  if (graph_->rear_source() != nullptr) EndInput(graph_->rear_source(), end_pts);
  WritePictures();
  EncodeAndWrite(video_encoder_.get(), nullptr, writer_, video_stream_);
}

void ExportRun::FinishSound() {
  if (!audio_) return;
  while (!audio_->done()) Pump(front_);
  audio_->Finish();
}

void ExportRun::ReportProgress() {
  if (!progress_) return;
  // Every half second of output, and at the first picture.
  const auto step = std::max<std::int64_t>(1, static_cast<std::int64_t>(av_q2d(front_.frame_rate()) / 2));
  if (reported_frames_ >= 0 && frames_ - reported_frames_ < step) return;
  reported_frames_ = frames_;
  progress_(std::min(0.99, static_cast<double>(frames_) / static_cast<double>(expected_frames_)));
}

void ExportRun::CheckCancel() const {
  if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) throw ExportCancelled();
}

}  // namespace direvovu::media
