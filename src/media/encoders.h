#pragma once

#include "media/av_handles.h"

namespace direvovu::media {

class Mp4Writer;

struct VideoEncoderSettings {
  int width = 0;
  int height = 0;
  AVRational sample_aspect{1, 1};
  AVRational frame_rate{0, 1};
  bool global_header = true;
};

// H.264 through libx264: 4:2:0, CRF 20, preset veryfast, as many threads as x264 picks for
// the machine (as the ffmpeg program asks for). Time base: one tick a frame.
CodecContextPtr OpenVideoEncoder(const VideoEncoderSettings& settings);

// AAC (FFmpeg's own encoder) at the input's rate when AAC has it, else 48 kHz.
CodecContextPtr OpenAudioEncoder(int sample_rate, const AVChannelLayout& layout, bool global_header);

// Sends a frame (null: the end) and writes every packet the encoder has ready.
void EncodeAndWrite(AVCodecContext* encoder, const AVFrame* frame, Mp4Writer& writer, AVStream* stream);

}  // namespace direvovu::media
