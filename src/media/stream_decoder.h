#pragma once

#include <deque>
#include <string>

#include "media/av_handles.h"

namespace direvovu::media {

class RecordingDemuxer;

// The decoder of one stream of a recording, threaded as the ffmpeg program sets it up
// (frame and slice threads, as many as the machine has). Decoded frames queue up in
// display order; a decoding error or a frame marked corrupt stops the export.
class StreamDecoder {
 public:
  StreamDecoder(const RecordingDemuxer& demuxer, const AVStream* stream);

  // Feeds one packet, or drains the decoder when packet is null.
  void Decode(const AVPacket* packet);
  [[nodiscard]] bool HasFrame() const { return !frames_.empty(); }
  [[nodiscard]] AVFrame* Front() const { return frames_.front().get(); }
  FramePtr Pop();
  [[nodiscard]] bool drained() const { return drained_; }

  [[nodiscard]] const AVCodecContext* context() const { return context_.get(); }
  // Seconds from the recording's start of a decoded frame.
  [[nodiscard]] double SecondsOf(const AVFrame& frame) const;

 private:
  void ReceiveFrames();
  std::string Where(const AVPacket* packet) const;

  const RecordingDemuxer& demuxer_;
  const AVStream* stream_;
  CodecContextPtr context_;
  std::deque<FramePtr> frames_;
  bool drained_ = false;
};

}  // namespace direvovu::media
