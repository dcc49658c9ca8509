#include "media/recording_demuxer.h"

#include <cmath>
#include <utility>

#include "core/limits.h"
#include "media/av_error.h"

namespace direvovu::media {
namespace {

bool IsPositive(AVRational r) { return r.num > 0 && r.den > 0; }

}  // namespace

RecordingDemuxer::RecordingDemuxer(const MediaInput& input, std::string channel, bool with_sound)
    : channel_(std::move(channel)), file_name_(input.file.filename().string()) {
  try {
    file_ = std::make_unique<HeadReplacedFile>(input.file, input.plain_head);
  } catch (const MediaError& e) {
    throw MediaError("Cannot read " + Describe() + ": " + e.what());
  }
  AVFormatContext* context = avformat_alloc_context();
  if (context == nullptr) throw MediaError("Out of memory");
  context->pb = file_->context();
  // On failure avformat_open_input frees the context itself.
  const int opened = avformat_open_input(&context, nullptr, nullptr, nullptr);
  if (opened < 0)
    throw MediaError("Cannot read " + Describe() + ": it is truncated or not a recording (" +
                     AvErrorText(opened) + ")");
  format_.reset(context);
  CheckAv(avformat_find_stream_info(context, nullptr), "Cannot read " + Describe());
  FindStreams(with_sound);
  CheckVideo();
  if (audio_ != nullptr) CheckAudio();
  if (context->start_time != AV_NOPTS_VALUE)
    origin_ = static_cast<double>(context->start_time) / AV_TIME_BASE;
  if (context->duration > 0) duration_ = static_cast<double>(context->duration) / AV_TIME_BASE;
}

std::string RecordingDemuxer::Describe() const { return "the " + channel_ + " recording " + file_name_; }

void RecordingDemuxer::FindStreams(bool with_sound) {
  const int video = av_find_best_stream(format_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (video < 0) throw MediaError(Describe() + " has no video");
  video_ = format_->streams[video];
  const int audio = av_find_best_stream(format_.get(), AVMEDIA_TYPE_AUDIO, -1, video, nullptr, 0);
  if (audio >= 0 && with_sound) audio_ = format_->streams[audio];
  for (unsigned i = 0; i < format_->nb_streams; ++i) {
    AVStream* stream = format_->streams[i];
    if (stream != video_ && stream != audio_) stream->discard = AVDISCARD_ALL;
  }
}

void RecordingDemuxer::CheckVideo() {
  const AVCodecParameters* par = video_->codecpar;
  if (par->width < 2 || par->height < 2 || par->width > limits::kMaxPictureSide ||
      par->height > limits::kMaxPictureSide)
    throw MediaError(Describe() + " has an unusable picture size (" + std::to_string(par->width) + "x" +
                     std::to_string(par->height) + ")");
  // FFmpeg's own guess, as the ffmpeg program makes it (the base rate unless it is absurd).
  frame_rate_ = av_guess_frame_rate(format_.get(), video_, nullptr);
  if (!IsPositive(frame_rate_) || av_q2d(frame_rate_) > limits::kMaxFramesPerSecond)
    throw MediaError(Describe() + " has no usable frame rate");
  if (!IsPositive(video_->time_base)) throw MediaError(Describe() + " has no usable time base");
  if (avcodec_find_decoder(par->codec_id) == nullptr)
    throw MediaError(Describe() + " uses a video codec this program cannot decode");
}

void RecordingDemuxer::CheckAudio() {
  const AVCodecParameters* par = audio_->codecpar;
  const bool usable = par->sample_rate >= limits::kMinSampleRate &&
                      par->sample_rate <= limits::kMaxSampleRate && par->ch_layout.nb_channels >= 1 &&
                      par->ch_layout.nb_channels <= limits::kMaxAudioChannels &&
                      IsPositive(audio_->time_base) && avcodec_find_decoder(par->codec_id) != nullptr;
  // A sound track we cannot use is left out rather than refused: the picture is the evidence.
  if (!usable) {
    audio_->discard = AVDISCARD_ALL;
    audio_ = nullptr;
  }
}

double RecordingDemuxer::Seconds(std::int64_t pts, const AVStream* stream) const {
  return static_cast<double>(pts) * av_q2d(stream->time_base) - origin_;
}

void RecordingDemuxer::SeekToKeyFrameBefore(double seconds) {
  if (seconds <= 0) return;
  const auto target = static_cast<std::int64_t>(std::floor((seconds + origin_) / av_q2d(video_->time_base)));
  CheckAv(av_seek_frame(format_.get(), video_->index, target, AVSEEK_FLAG_BACKWARD),
          "Cannot seek in " + Describe());
}

void RecordingDemuxer::SkipVideo() { video_->discard = AVDISCARD_ALL; }

bool RecordingDemuxer::ReadPacket(AVPacket* packet) {
  for (;;) {
    av_packet_unref(packet);
    const int read = av_read_frame(format_.get(), packet);
    if (read == AVERROR_EOF) return false;
    CheckAv(read, "Cannot read " + Describe());
    if ((packet->flags & AV_PKT_FLAG_CORRUPT) != 0)
      throw MediaError(Describe() + " is truncated or damaged: a packet is cut short");
    const AVStream* stream = format_->streams[packet->stream_index];
    if (packet->dts != AV_NOPTS_VALUE) position_ = Seconds(packet->dts, stream);
    const bool wanted = (packet->stream_index == video_->index && video_->discard != AVDISCARD_ALL) ||
                        (audio_ != nullptr && packet->stream_index == audio_->index);
    if (wanted) return true;
  }
}

}  // namespace direvovu::media
