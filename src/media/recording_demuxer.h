#pragma once

#include <memory>
#include <string>

#include "media/av_handles.h"
#include "media/evidence_export.h"
#include "media/head_replaced_file.h"

namespace direvovu::media {

// One recording opened for reading: its container, its video stream and its sound (if
// any), checked against the limits before anything is decoded. Errors name the channel
// ("front", "rear") and the file.
class RecordingDemuxer {
 public:
  // Without `with_sound` the recording's sound stream is skipped.
  RecordingDemuxer(const MediaInput& input, std::string channel, bool with_sound);

  [[nodiscard]] const std::string& channel() const { return channel_; }
  // "the front recording drf0_20120314_090507.mp4", for messages.
  [[nodiscard]] std::string Describe() const;
  [[nodiscard]] AVStream* video() const { return video_; }
  [[nodiscard]] AVStream* audio() const { return audio_; }  // null when the recording has no sound
  [[nodiscard]] AVRational frame_rate() const { return frame_rate_; }
  [[nodiscard]] double duration() const { return duration_; }  // seconds; 0 when the container does not say

  // Seconds from the recording's start of a time stamp of `stream`.
  double Seconds(std::int64_t pts, const AVStream* stream) const;
  // Positions reading at the key frame at or before `seconds`.
  void SeekToKeyFrameBefore(double seconds);
  // Video packets are skipped from now on (the front read for its sound alone).
  void SkipVideo();
  // The next packet of the video or sound stream; false at the end. Throws MediaError on a
  // read error or a packet cut short.
  bool ReadPacket(AVPacket* packet);
  // Seconds of the last packet read.
  [[nodiscard]] double position() const { return position_; }

 private:
  void FindStreams(bool with_sound);
  void CheckVideo();
  void CheckAudio();

  std::string channel_;
  std::string file_name_;
  std::unique_ptr<HeadReplacedFile> file_;
  InputContextPtr format_;
  AVStream* video_ = nullptr;
  AVStream* audio_ = nullptr;
  AVRational frame_rate_{0, 1};
  double duration_ = 0;
  double origin_ = 0;    // seconds of the container's first time stamp
  double position_ = 0;  // seconds of the last packet read
};

}  // namespace direvovu::media
