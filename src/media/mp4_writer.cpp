#include "media/mp4_writer.h"

#include <utility>

#include "media/av_error.h"

namespace direvovu::media {

Mp4Writer::Mp4Writer(const std::filesystem::path& file, std::string shown_name, const ContainerTags& tags)
    : file_(file), shown_name_(std::move(shown_name)) {
  // "file:" keeps a path from being read as another of FFmpeg's protocols.
  const std::string url = "file:" + file.string();
  CheckAv(avformat_alloc_output_context2(&context_, nullptr, "mp4", url.c_str()),
          "Cannot prepare the MP4 file");
  if (!tags.creation_time.empty())
    av_dict_set(&context_->metadata, "creation_time", tags.creation_time.c_str(), 0);
  if (!tags.location.empty()) av_dict_set(&context_->metadata, "location", tags.location.c_str(), 0);
}

Mp4Writer::~Mp4Writer() {
  if (context_ == nullptr) return;
  if (context_->pb != nullptr) avio_closep(&context_->pb);
  avformat_free_context(context_);
}

bool Mp4Writer::wants_global_header() const { return (context_->oformat->flags & AVFMT_GLOBALHEADER) != 0; }

AVStream* Mp4Writer::AddStream(const AVCodecContext* encoder) {
  AVStream* stream = avformat_new_stream(context_, nullptr);
  if (stream == nullptr) throw MediaError("Out of memory");
  CheckAv(avcodec_parameters_from_context(stream->codecpar, encoder), "Cannot prepare the MP4 file");
  stream->time_base = encoder->time_base;
  if (encoder->codec_type == AVMEDIA_TYPE_VIDEO) {
    stream->sample_aspect_ratio = encoder->sample_aspect_ratio;
    stream->avg_frame_rate = encoder->framerate;
  }
  return stream;
}

void Mp4Writer::Fail(int code) const {
  throw MediaError("Cannot write " + shown_name_ + ": " + AvErrorText(code));
}

void Mp4Writer::Start() {
  const int opened = avio_open(&context_->pb, context_->url, AVIO_FLAG_WRITE);
  if (opened < 0) Fail(opened);
  AVDictionary* options = nullptr;
  av_dict_set(&options, "movflags", "+faststart", 0);
  const int written = avformat_write_header(context_, &options);
  av_dict_free(&options);
  if (written < 0) Fail(written);
  started_ = true;
}

void Mp4Writer::Write(AVPacket* packet, const AVCodecContext* encoder, AVStream* stream) {
  av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
  packet->stream_index = stream->index;
  const int written = av_interleaved_write_frame(context_, packet);
  if (written < 0) Fail(written);
}

void Mp4Writer::Finish() {
  if (!started_) throw MediaError("Nothing was written to " + shown_name_);
  const int trailer = av_write_trailer(context_);
  if (trailer < 0) Fail(trailer);
  const int closed = avio_closep(&context_->pb);
  if (closed < 0) Fail(closed);
}

}  // namespace direvovu::media
