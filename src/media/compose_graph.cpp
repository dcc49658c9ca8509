#include "media/compose_graph.h"

#include <string>

#include "media/av_error.h"

namespace direvovu::media {
namespace {

std::string RateText(AVRational rate) { return std::to_string(rate.num) + "/" + std::to_string(rate.den); }

}  // namespace

ComposeGraph::ComposeGraph(const ComposePlan& plan, const std::optional<VideoSourceFormat>& front,
                           const std::optional<VideoSourceFormat>& rear, AVRational frame_rate,
                           const std::filesystem::path& overlay_script) {
  AVFilterContext* front_chain = nullptr;
  AVFilterContext* rear_chain = nullptr;
  if (plan.shows_front()) {
    if (!front) throw MediaError("The front picture is missing");
    front_source_ = graph_.AddVideoSource(*front);
    front_chain = Input(front_source_, *front, *plan.geometry.front, std::nullopt);
  }
  if (plan.shows_rear()) {
    if (!rear) throw MediaError("The rear picture is missing");
    rear_source_ = graph_.AddVideoSource(*rear);
    const bool alone = !plan.shows_front();
    rear_chain =
        Input(rear_source_, *rear, *plan.geometry.rear, alone ? std::optional(frame_rate) : std::nullopt);
  }
  AVFilterContext* picture = Combine(plan, front_chain, rear_chain);
  if (!overlay_script.empty())
    picture = graph_.Chain(picture, "ass", {{"filename", overlay_script.string()}});
  picture = graph_.Chain(picture, "format", {{"pix_fmts", "yuv420p"}});
  sink_ = graph_.Chain(picture, "buffersink");
  graph_.Configure();
}

AVFilterContext* ComposeGraph::Input(AVFilterContext* source, const VideoSourceFormat& format,
                                     const exporting::PictureRect& size, std::optional<AVRational> new_rate) {
  AVFilterContext* chain = source;
  // Time 0 is the first exported picture; the input's end (given when it is closed) is
  // rounded up so that the last slot before it is filled.
  if (new_rate)
    chain = graph_.Chain(chain, "fps",
                         {{"fps", RateText(*new_rate)}, {"start_time", "0"}, {"eof_action", "pass"}});
  if (format.width != size.width || format.height != size.height)
    chain =
        graph_.Chain(chain, "scale", {{"w", std::to_string(size.width)}, {"h", std::to_string(size.height)}});
  return chain;
}

AVFilterContext* ComposeGraph::Combine(const ComposePlan& plan, AVFilterContext* front,
                                       AVFilterContext* rear) {
  if (front == nullptr) return rear;
  if (rear == nullptr) return front;
  AVFilterContext* both = nullptr;
  if (plan.layout == exporting::ExportLayout::SideBySide) {
    both = graph_.Add("hstack", {{"inputs", "2"}});
  } else {
    const exporting::PictureRect& inset = *plan.geometry.rear;
    both = graph_.Add("overlay", {{"x", std::to_string(inset.x)}, {"y", std::to_string(inset.y)}});
  }
  graph_.Link(front, both, 0);
  graph_.Link(rear, both, 1);
  return both;
}

}  // namespace direvovu::media
