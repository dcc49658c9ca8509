#include "media/filter_graph.h"

#include <memory>

#include "media/av_error.h"

namespace direvovu::media {

FilterGraph::FilterGraph() : graph_(avfilter_graph_alloc()) {
  if (!graph_) throw MediaError("Out of memory");
}

AVFilterContext* FilterGraph::Allocate(const char* filter) {
  const AVFilter* type = avfilter_get_by_name(filter);
  if (type == nullptr) throw MediaError(std::string("This FFmpeg has no '") + filter + "' filter");
  const std::string name = std::string(filter) + std::to_string(graph_->nb_filters);
  AVFilterContext* context = avfilter_graph_alloc_filter(graph_.get(), type, name.c_str());
  if (context == nullptr) throw MediaError("Out of memory");
  return context;
}

void FilterGraph::Initialise(AVFilterContext* context, const char* filter) {
  CheckAv(avfilter_init_str(context, nullptr), std::string("Cannot set up the '") + filter + "' filter");
}

AVFilterContext* FilterGraph::Add(const char* filter, const FilterOptions& options) {
  AVFilterContext* context = Allocate(filter);
  for (const auto& [name, value] : options) {
    CheckAv(av_opt_set(context, name, value.c_str(), AV_OPT_SEARCH_CHILDREN),
            std::string("Cannot set ") + filter + " option " + name + " to '" + value + "'");
  }
  Initialise(context, filter);
  return context;
}

AVFilterContext* FilterGraph::Chain(AVFilterContext* from, const char* filter, const FilterOptions& options) {
  AVFilterContext* context = Add(filter, options);
  Link(from, context);
  return context;
}

namespace {

struct FreeSourceParameters {
  void operator()(AVBufferSrcParameters* parameters) const {
    av_channel_layout_uninit(&parameters->ch_layout);
    av_free(parameters);
  }
};
using SourceParameters = std::unique_ptr<AVBufferSrcParameters, FreeSourceParameters>;

SourceParameters NewSourceParameters() {
  SourceParameters parameters(av_buffersrc_parameters_alloc());
  if (!parameters) throw MediaError("Out of memory");
  return parameters;
}

}  // namespace

AVFilterContext* FilterGraph::AddSource(const char* filter, AVBufferSrcParameters& parameters) {
  AVFilterContext* context = Allocate(filter);
  CheckAv(av_buffersrc_parameters_set(context, &parameters),
          std::string("Cannot set up the '") + filter + "' filter");
  Initialise(context, filter);
  return context;
}

AVFilterContext* FilterGraph::AddVideoSource(const VideoSourceFormat& format) {
  const SourceParameters parameters = NewSourceParameters();
  parameters->format = format.pixel_format;
  parameters->width = format.width;
  parameters->height = format.height;
  parameters->time_base = format.time_base;
  parameters->sample_aspect_ratio = format.sample_aspect;
  return AddSource("buffer", *parameters);
}

AVFilterContext* FilterGraph::AddAudioSource(const AudioSourceFormat& format) {
  const SourceParameters parameters = NewSourceParameters();
  parameters->format = format.sample_format;
  parameters->sample_rate = format.sample_rate;
  parameters->time_base = AVRational{1, format.sample_rate};
  CheckAv(av_channel_layout_copy(&parameters->ch_layout, format.layout), "Cannot set up the sound source");
  return AddSource("abuffer", *parameters);
}

void FilterGraph::Link(AVFilterContext* from, AVFilterContext* to, unsigned to_pad) {
  CheckAv(avfilter_link(from, 0, to, to_pad), "Cannot link the filters");
}

void FilterGraph::Configure() {
  CheckAv(avfilter_graph_config(graph_.get(), nullptr), "Cannot set up the filters");
}

void PushFrame(AVFilterContext* source, AVFrame* frame) {
  CheckAv(av_buffersrc_add_frame_flags(source, frame, AV_BUFFERSRC_FLAG_KEEP_REF | AV_BUFFERSRC_FLAG_PUSH),
          "Cannot filter a frame");
}

void EndInput(AVFilterContext* source, std::int64_t end_pts) {
  CheckAv(av_buffersrc_close(source, end_pts, AV_BUFFERSRC_FLAG_PUSH), "Cannot end a filter input");
}

bool PullFrame(AVFilterContext* sink, AVFrame* frame, bool& ended) {
  const int got = av_buffersink_get_frame(sink, frame);
  if (got == AVERROR(EAGAIN)) return false;
  if (got == AVERROR_EOF) {
    ended = true;
    return false;
  }
  CheckAv(got, "Cannot filter a frame");
  return true;
}

}  // namespace direvovu::media
