#include "media/encoders.h"

#include "media/av_error.h"
#include "media/mp4_writer.h"

namespace direvovu::media {
namespace {

constexpr std::int64_t kAudioBitsPerSecond = 128000;

CodecContextPtr Allocate(const AVCodec* codec, const char* name) {
  if (codec == nullptr) throw MediaError(std::string("This FFmpeg has no ") + name + " encoder");
  CodecContextPtr context(avcodec_alloc_context3(codec));
  if (!context) throw MediaError("Out of memory");
  return context;
}

int SupportedSampleRate(const AVCodec* codec, int wanted) {
  if (codec->supported_samplerates == nullptr) return wanted;
  for (const int* rate = codec->supported_samplerates; *rate != 0; ++rate) {
    if (*rate == wanted) return wanted;
  }
  return 48000;
}

}  // namespace

CodecContextPtr OpenVideoEncoder(const VideoEncoderSettings& settings) {
  const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
  CodecContextPtr context = Allocate(codec, "libx264");
  context->width = settings.width;
  context->height = settings.height;
  context->pix_fmt = AV_PIX_FMT_YUV420P;
  context->sample_aspect_ratio = settings.sample_aspect;
  context->framerate = settings.frame_rate;
  context->time_base = av_inv_q(settings.frame_rate);
  context->thread_count = 0;
  if (settings.global_header) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AVDictionary* options = nullptr;
  av_dict_set(&options, "preset", "veryfast", 0);
  av_dict_set(&options, "crf", "20", 0);
  const int opened = avcodec_open2(context.get(), codec, &options);
  av_dict_free(&options);
  CheckAv(opened, "Cannot start the H.264 encoder");
  return context;
}

CodecContextPtr OpenAudioEncoder(int sample_rate, const AVChannelLayout& layout, bool global_header) {
  const AVCodec* codec = avcodec_find_encoder_by_name("aac");
  CodecContextPtr context = Allocate(codec, "AAC");
  context->sample_fmt = AV_SAMPLE_FMT_FLTP;
  context->sample_rate = SupportedSampleRate(codec, sample_rate);
  context->time_base = AVRational{1, context->sample_rate};
  context->bit_rate = kAudioBitsPerSecond;
  if (layout.order == AV_CHANNEL_ORDER_NATIVE) {
    CheckAv(av_channel_layout_copy(&context->ch_layout, &layout), "Cannot start the AAC encoder");
  } else {
    av_channel_layout_default(&context->ch_layout, layout.nb_channels);
  }
  if (global_header) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  CheckAv(avcodec_open2(context.get(), codec, nullptr), "Cannot start the AAC encoder");
  return context;
}

void EncodeAndWrite(AVCodecContext* encoder, const AVFrame* frame, Mp4Writer& writer, AVStream* stream) {
  CheckAv(avcodec_send_frame(encoder, frame), "Cannot encode");
  PacketPtr packet = NewPacket();
  for (;;) {
    const int received = avcodec_receive_packet(encoder, packet.get());
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
    CheckAv(received, "Cannot encode");
    writer.Write(packet.get(), encoder, stream);
    av_packet_unref(packet.get());
  }
}

}  // namespace direvovu::media
