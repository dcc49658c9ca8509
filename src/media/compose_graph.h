#pragma once

#include <filesystem>
#include <optional>

#include "media/compose_plan.h"
#include "media/filter_graph.h"

namespace direvovu::media {

// The picture's filter graph: each shown channel scaled to its place in the plan, the two
// stacked side by side (hstack) or the rear laid over the front (overlay), the ASS script
// burned in, and the result as 4:2:0.
class ComposeGraph {
 public:
  // The formats of the pictures each shown channel hands in. The rear alone is brought to
  // the front's frame rate here; beside the front it arrives with the front's time stamps.
  ComposeGraph(const ComposePlan& plan, const std::optional<VideoSourceFormat>& front,
               const std::optional<VideoSourceFormat>& rear, AVRational frame_rate,
               const std::filesystem::path& overlay_script);

  [[nodiscard]] AVFilterContext* front_source() const { return front_source_; }
  [[nodiscard]] AVFilterContext* rear_source() const { return rear_source_; }
  [[nodiscard]] AVFilterContext* sink() const { return sink_; }

 private:
  AVFilterContext* Input(AVFilterContext* source, const VideoSourceFormat& format,
                         const exporting::PictureRect& size, std::optional<AVRational> new_rate);
  AVFilterContext* Combine(const ComposePlan& plan, AVFilterContext* front, AVFilterContext* rear);

  FilterGraph graph_;
  AVFilterContext* front_source_ = nullptr;
  AVFilterContext* rear_source_ = nullptr;
  AVFilterContext* sink_ = nullptr;
};

}  // namespace direvovu::media
