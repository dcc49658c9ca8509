#include "media/audio_track.h"

#include <array>
#include <cmath>

#include "media/av_error.h"
#include "media/encoders.h"
#include "media/mp4_writer.h"
#include "media/recording_demuxer.h"

namespace direvovu::media {
namespace {

std::string LayoutText(const AVChannelLayout& layout) {
  std::array<char, 64> text{};
  if (av_channel_layout_describe(&layout, text.data(), text.size()) < 0) return "mono";
  return text.data();
}

}  // namespace

AudioTrack::AudioTrack(const RecordingDemuxer& front, bool global_header)
    : decoder_(front, front.audio()), input_rate_(front.audio()->codecpar->sample_rate) {
  encoder_ = OpenAudioEncoder(input_rate_, decoder_.context()->ch_layout, global_header);
}

void AudioTrack::Decode(const AVPacket* packet) {
  decoder_.Decode(packet);
  if (decoder_.drained()) done_ = true;
  if (graph_) FeedDecodedFrames();
}

void AudioTrack::Start(double start_seconds, double end_seconds, Mp4Writer& writer, AVStream* stream) {
  start_seconds_ = start_seconds;
  end_seconds_ = end_seconds;
  writer_ = &writer;
  stream_ = stream;
  BuildGraph(start_seconds, end_seconds);
  FeedDecodedFrames();
}

void AudioTrack::BuildGraph(double start_seconds, double end_seconds) {
  graph_.emplace();
  const AVCodecContext* in = decoder_.context();
  source_ = graph_->AddAudioSource({input_rate_, in->sample_fmt, &in->ch_layout});
  const auto end_pts = static_cast<std::int64_t>(std::llround((end_seconds - start_seconds) * input_rate_));
  AVFilterContext* trimmed =
      graph_->Chain(source_, "atrim", {{"start_pts", "0"}, {"end_pts", std::to_string(end_pts)}});
  AVFilterContext* formatted = graph_->Chain(trimmed, "aformat",
                                             {{"sample_fmts", "fltp"},
                                              {"sample_rates", std::to_string(encoder_->sample_rate)},
                                              {"channel_layouts", LayoutText(encoder_->ch_layout)}});
  sink_ = graph_->Chain(formatted, "abuffersink");
  graph_->Configure();
  av_buffersink_set_frame_size(sink_, static_cast<unsigned>(encoder_->frame_size));
}

void AudioTrack::FeedDecodedFrames() {
  while (decoder_.HasFrame()) {
    FramePtr frame = decoder_.Pop();
    const double seconds = decoder_.SecondsOf(*frame);
    if (seconds >= end_seconds_) {
      done_ = true;
      continue;
    }
    // Time 0 is the first exported picture; atrim cuts to the sample from there.
    frame->pts = std::llround((seconds - start_seconds_) * input_rate_);
    frame->time_base = AVRational{1, input_rate_};
    PushFrame(source_, frame.get());
  }
  WriteFiltered();
}

void AudioTrack::WriteFiltered() {
  FramePtr frame = NewFrame();
  bool ended = false;
  while (PullFrame(sink_, frame.get(), ended)) {
    frame->pts = av_rescale_q(frame->pts, av_buffersink_get_time_base(sink_), encoder_->time_base);
    EncodeAndWrite(encoder_.get(), frame.get(), *writer_, stream_);
    av_frame_unref(frame.get());
  }
}

void AudioTrack::Finish() {
  if (!graph_) return;
  EndInput(source_, std::llround((end_seconds_ - start_seconds_) * input_rate_));
  WriteFiltered();
  EncodeAndWrite(encoder_.get(), nullptr, *writer_, stream_);
}

}  // namespace direvovu::media
