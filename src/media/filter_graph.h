#pragma once

#include <string>
#include <utility>
#include <vector>

#include "media/av_handles.h"

namespace direvovu::media {

// Option name and value of a filter, set through the option system rather than pasted
// into a graph description, so that a path or a text never needs escaping.
using FilterOptions = std::vector<std::pair<const char*, std::string>>;

struct VideoSourceFormat {
  int width = 0;
  int height = 0;
  int pixel_format = -1;
  AVRational time_base{0, 1};
  AVRational sample_aspect{1, 1};
};

struct AudioSourceFormat {
  int sample_rate = 0;
  int sample_format = -1;
  const AVChannelLayout* layout = nullptr;
};

// A libavfilter graph built filter by filter. Its threads are left to libavfilter's own
// choice, as the ffmpeg program leaves them.
class FilterGraph {
 public:
  FilterGraph();

  AVFilterContext* Add(const char* filter, const FilterOptions& options = {});
  // Adds `filter` fed from pad 0 of `from`.
  AVFilterContext* Chain(AVFilterContext* from, const char* filter, const FilterOptions& options = {});
  AVFilterContext* AddVideoSource(const VideoSourceFormat& format);
  AVFilterContext* AddAudioSource(const AudioSourceFormat& format);
  void Link(AVFilterContext* from, AVFilterContext* to, unsigned to_pad = 0);
  void Configure();

 private:
  AVFilterContext* Allocate(const char* filter);
  AVFilterContext* AddSource(const char* filter, AVBufferSrcParameters& parameters);
  void Initialise(AVFilterContext* context, const char* filter);

  FilterGraphPtr graph_;
};

// Hands a frame to a source without taking it (the caller may hand it again); null
// ends the input at `end_pts`.
void PushFrame(AVFilterContext* source, AVFrame* frame);
void EndInput(AVFilterContext* source, std::int64_t end_pts);
// The next frame of a sink; false when none is ready now or the graph has ended.
bool PullFrame(AVFilterContext* sink, AVFrame* frame, bool& ended);

}  // namespace direvovu::media
