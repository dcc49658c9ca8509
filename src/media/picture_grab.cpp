#include "media/picture_grab.h"

#include <algorithm>

#include "media/av_error.h"
#include "media/recording_demuxer.h"
#include "media/stream_decoder.h"

extern "C" {
#include <libswscale/swscale.h>
}

namespace direvovu::media {
namespace {

// Half a frame at the highest rate the limits allow: a frame stamped this close after the
// moment is the moment's own.
constexpr double kSameMomentSeconds = 0.001;

exporting::RgbPicture ToRgb(const AVFrame& frame, int max_width) {
  exporting::RgbPicture picture;
  const int width = std::min(frame.width, std::max(2, max_width));
  const int height =
      std::max(2, static_cast<int>(static_cast<long long>(frame.height) * width / frame.width));
  SwsContext* scale =
      sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), width, height,
                     AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (scale == nullptr) return picture;
  picture.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  std::uint8_t* planes[4] = {picture.rgb.data(), nullptr, nullptr, nullptr};
  const int strides[4] = {width * 3, 0, 0, 0};
  const int rows = sws_scale(scale, frame.data, frame.linesize, 0, frame.height, planes, strides);
  sws_freeContext(scale);
  if (rows != height) return {};
  picture.width = width;
  picture.height = height;
  return picture;
}

}  // namespace

std::optional<VideoSize> VideoSizeOf(const MediaInput& input) {
  try {
    const RecordingDemuxer demuxer(input, "front", false);
    const AVCodecParameters* video = demuxer.video()->codecpar;
    return VideoSize{video->width, video->height};
  } catch (const MediaError&) {
    return std::nullopt;
  }
}

exporting::RgbPicture GrabPicture(const MediaInput& input, double seconds, int max_width) {
  try {
    RecordingDemuxer demuxer(input, "front", false);
    StreamDecoder decoder(demuxer, demuxer.video());
    demuxer.SeekToKeyFrameBefore(seconds);
    PacketPtr packet = NewPacket();
    FramePtr shown;
    while (!decoder.drained()) {
      while (decoder.HasFrame()) {
        FramePtr frame = decoder.Pop();
        if (decoder.SecondsOf(*frame) > seconds + kSameMomentSeconds) {
          return ToRgb(shown ? *shown : *frame, max_width);
        }
        shown = std::move(frame);
      }
      if (!demuxer.ReadPacket(packet.get())) {
        decoder.Decode(nullptr);
        continue;
      }
      if (packet->stream_index == demuxer.video()->index) decoder.Decode(packet.get());
      av_packet_unref(packet.get());
    }
    while (decoder.HasFrame()) shown = decoder.Pop();
    return shown ? ToRgb(*shown, max_width) : exporting::RgbPicture{};
  } catch (const MediaError&) {
    return {};
  }
}

}  // namespace direvovu::media
