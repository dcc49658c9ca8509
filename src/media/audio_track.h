#pragma once

#include <optional>

#include "media/av_handles.h"
#include "media/filter_graph.h"
#include "media/stream_decoder.h"

namespace direvovu::media {

class Mp4Writer;
class RecordingDemuxer;

// The front's sound, cut to the exported span to the sample and encoded as AAC. Sound
// decoded before the first exported picture is known waits in the decoder's queue.
class AudioTrack {
 public:
  AudioTrack(const RecordingDemuxer& front, bool global_header);

  [[nodiscard]] AVCodecContext* encoder() const { return encoder_.get(); }
  void Decode(const AVPacket* packet);
  // Starts writing: the sound from `start_seconds` (the first picture's time) to
  // `end_seconds` goes to `stream` of `writer`, its time 0 at start_seconds.
  void Start(double start_seconds, double end_seconds, Mp4Writer& writer, AVStream* stream);
  // All the sound up to the span's end has been decoded.
  [[nodiscard]] bool done() const { return done_; }
  // Drains what is left into the file.
  void Finish();

 private:
  void BuildGraph(double start_seconds, double end_seconds);
  void FeedDecodedFrames();
  void WriteFiltered();

  StreamDecoder decoder_;
  CodecContextPtr encoder_;
  int input_rate_ = 0;
  double start_seconds_ = 0;
  double end_seconds_ = 0;
  bool done_ = false;
  std::optional<FilterGraph> graph_;
  AVFilterContext* source_ = nullptr;
  AVFilterContext* sink_ = nullptr;
  Mp4Writer* writer_ = nullptr;
  AVStream* stream_ = nullptr;
};

}  // namespace direvovu::media
