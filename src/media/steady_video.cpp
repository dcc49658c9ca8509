#include "media/steady_video.h"

#include <cmath>

#include "media/seconds_text.h"

namespace direvovu::media {
namespace {

std::string At(const char* what, double seconds) { return std::string(what) + " at " + SecondsText(seconds); }

}  // namespace

std::optional<std::string> SteadyVideo::Next(const PictureFormat& format, double seconds) {
  if (!first_) first_ = format;
  if (format.width != first_->width || format.height != first_->height)
    return At("changes its picture size", seconds);
  if (format.pixel_format != first_->pixel_format) return At("changes its pixel format", seconds);
  const std::optional<double> last = last_seconds_;
  last_seconds_ = seconds;
  if (!last) return std::nullopt;
  const double step = seconds - *last;
  if (step <= 0) return At("has pictures out of time order", seconds);
  if (!step_) step_ = step;
  // Half a frame either way: a skipped or an extra picture is a change of rate.
  if (std::abs(step - *step_) > *step_ / 2) return At("changes its frame rate", seconds);
  return std::nullopt;
}

}  // namespace direvovu::media
