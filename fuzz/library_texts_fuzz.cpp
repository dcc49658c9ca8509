// What the library reads from the user and from its map page, over arbitrary bytes: a
// time bound, a place, a pick on the page and the names of kinds. What reads must be a
// valid time, a point on the globe, a pick within its ranges, a name that reads back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "core/civil_time.h"
#include "core/library/harsh_moments.h"
#include "core/library/library_query.h"
#include "core/library/library_view.h"
#include "core/library/recording_facts.h"

namespace {

using namespace direvovu;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool OnGlobe(double latitude, double longitude) {
  return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90 &&
         std::abs(longitude) <= 180;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool endOfDay : {false, true}) {
    if (const auto bound = library::ParseTimeBound(text, endOfDay)) Check(IsValidCivilTime(bound->time));
  }
  if (const auto place = library::ParseLatLon(text)) Check(OnGlobe(place->first, place->second));
  if (const auto pick = library::ParsePagePick(text)) {
    if (pick->what == library::PagePick::What::Place) {
      Check(OnGlobe(pick->latitude, pick->longitude));
    } else {
      Check(pick->second >= 0);
    }
  }
  if (const auto kind = library::MomentKindOfName(text)) Check(library::MomentKindName(*kind) == text);
  if (const auto status = library::TrackStatusOfName(text)) Check(library::TrackStatusName(*status) == text);
  if (const auto kind = library::RecordingKindOfName(text)) Check(library::RecordingKindName(*kind) == text);
  return 0;
}
