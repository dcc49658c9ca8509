#pragma once

#include <atomic>
#include <filesystem>
#include <optional>

#include "media/audio_track.h"
#include "media/av_error.h"
#include "media/compose_graph.h"
#include "media/compose_plan.h"
#include "media/evidence_export.h"
#include "media/mp4_writer.h"
#include "media/recording_demuxer.h"
#include "media/steady_video.h"
#include "media/stream_decoder.h"

namespace direvovu::media {

// The export stopped because the caller asked it to.
class ExportCancelled : public MediaError {
 public:
  ExportCancelled() : MediaError("The export was cancelled.") {}
};

// One export from opened inputs to a finished file at `file`. The pictures are pulled
// from the primary channel (the front, or the rear alone) frame by frame; the rear beside
// the front takes the front's time stamps, its nearest picture paired with each front
// picture, so that the composed video has exactly the front's frames. Throws MediaError.
class ExportRun {
 public:
  ExportRun(const ExportRequest& request, const std::filesystem::path& file, const ExportProgress& progress,
            const std::atomic<bool>* cancel);

  ExportResult Run();

 private:
  struct Channel {
    RecordingDemuxer* demuxer = nullptr;
    std::optional<StreamDecoder> decoder;
    std::optional<SteadyVideo> steady;
    FramePtr held;  // the rear picture shown now
  };

  void CheckSpan() const;
  void OpenChannel(Channel& channel, RecordingDemuxer& demuxer);
  void Pump(RecordingDemuxer& demuxer);
  FramePtr NextPrimaryFrame();
  FramePtr TakeChecked(Channel& channel);
  const AVFrame* RearFrameFor(double seconds);
  void StartOutput(const AVFrame& first);
  void AddStreams();
  void PushPictures(FramePtr frame);
  void WritePictures();
  void KeepSoundUpTo(double seconds);
  void FinishPictures();
  void FinishSound();
  void ReportProgress();
  void CheckCancel() const;
  [[nodiscard]] double FrameSeconds() const;

  const ExportRequest& request_;
  const ExportProgress& progress_;
  const std::atomic<bool>* cancel_;
  RecordingDemuxer front_;
  std::optional<RecordingDemuxer> rear_;
  ComposePlan plan_;
  Channel front_video_;
  Channel rear_video_;
  Channel* primary_ = nullptr;
  std::optional<AudioTrack> audio_;
  PacketPtr packet_;
  FramePtr picture_;
  Mp4Writer writer_;
  std::optional<ComposeGraph> graph_;
  CodecContextPtr video_encoder_;
  CodecContextPtr subtitle_encoder_;
  AVStream* video_stream_ = nullptr;
  AVStream* audio_stream_ = nullptr;
  AVStream* subtitle_stream_ = nullptr;
  std::vector<SubtitleCue> cues_;
  double start_seconds_ = -1;  // time of the first exported picture
  std::int64_t start_pts_ = 0;
  double last_seconds_ = -1;
  bool reached_end_ = false;
  std::int64_t frames_ = 0;
  std::int64_t expected_frames_ = 1;
  std::int64_t reported_frames_ = -1;
  std::int64_t last_encoded_pts_ = -1;
};

}  // namespace direvovu::media
