#pragma once

// Owning pointers for the FFmpeg objects the export holds; each is freed by the library's
// own function for it.
#include <memory>

#include "media/ffmpeg_api.h"

namespace direvovu::media {

template <typename T, void (*Free)(T**)>
struct FreeThroughAddress {
  void operator()(T* object) const { Free(&object); }
};

using FramePtr = std::unique_ptr<AVFrame, FreeThroughAddress<AVFrame, av_frame_free>>;
using PacketPtr = std::unique_ptr<AVPacket, FreeThroughAddress<AVPacket, av_packet_free>>;
using CodecContextPtr =
    std::unique_ptr<AVCodecContext, FreeThroughAddress<AVCodecContext, avcodec_free_context>>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FreeThroughAddress<AVFilterGraph, avfilter_graph_free>>;
using InputContextPtr =
    std::unique_ptr<AVFormatContext, FreeThroughAddress<AVFormatContext, avformat_close_input>>;

// Throw MediaError (av_error.h) when FFmpeg is out of memory.
FramePtr NewFrame();
PacketPtr NewPacket();

}  // namespace direvovu::media
