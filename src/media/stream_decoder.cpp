#include "media/stream_decoder.h"

#include "media/av_error.h"
#include "media/recording_demuxer.h"
#include "media/seconds_text.h"

namespace direvovu::media {

StreamDecoder::StreamDecoder(const RecordingDemuxer& demuxer, const AVStream* stream)
    : demuxer_(demuxer), stream_(stream) {
  const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
  context_.reset(avcodec_alloc_context3(codec));
  if (!context_) throw MediaError("Out of memory");
  const std::string what = "Cannot decode " + demuxer.Describe();
  CheckAv(avcodec_parameters_to_context(context_.get(), stream->codecpar), what);
  context_->pkt_timebase = stream->time_base;
  context_->thread_count = 0;
  context_->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
  CheckAv(avcodec_open2(context_.get(), codec, nullptr), what);
}

std::string StreamDecoder::Where(const AVPacket* packet) const {
  if (packet == nullptr || packet->pts == AV_NOPTS_VALUE) return "";
  return " at " + SecondsText(demuxer_.Seconds(packet->pts, stream_));
}

void StreamDecoder::Decode(const AVPacket* packet) {
  if (drained_) return;
  int sent = avcodec_send_packet(context_.get(), packet);
  if (sent == AVERROR(EAGAIN)) {  // frames still waiting: take them first
    ReceiveFrames();
    sent = avcodec_send_packet(context_.get(), packet);
  }
  if (sent < 0 && sent != AVERROR_EOF)
    throw MediaError(demuxer_.Describe() + " cannot be decoded" + Where(packet) + " (" + AvErrorText(sent) +
                     ")");
  ReceiveFrames();
}

void StreamDecoder::ReceiveFrames() {
  for (;;) {
    FramePtr frame = NewFrame();
    const int received = avcodec_receive_frame(context_.get(), frame.get());
    if (received == AVERROR(EAGAIN)) return;
    if (received == AVERROR_EOF) {
      drained_ = true;
      return;
    }
    if (received < 0)
      throw MediaError(demuxer_.Describe() + " cannot be decoded (" + AvErrorText(received) + ")");
    if ((frame->flags & AV_FRAME_FLAG_CORRUPT) != 0 || frame->decode_error_flags != 0 ||
        frame->best_effort_timestamp == AV_NOPTS_VALUE)
      throw MediaError(demuxer_.Describe() + " is damaged: a picture or sound frame cannot be decoded whole");
    frame->pts = frame->best_effort_timestamp;
    frames_.push_back(std::move(frame));
  }
}

FramePtr StreamDecoder::Pop() {
  FramePtr frame = std::move(frames_.front());
  frames_.pop_front();
  return frame;
}

double StreamDecoder::SecondsOf(const AVFrame& frame) const { return demuxer_.Seconds(frame.pts, stream_); }

}  // namespace direvovu::media
