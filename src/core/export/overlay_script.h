#pragma once

#include <string>
#include <string_view>

#include "core/export/band_text.h"
#include "core/export/export_layout.h"
#include "core/export/export_span.h"

namespace direvovu::exporting {

// The ASS script that draws the band (one event per second of the span) and the channel
// names over each picture of `geometry`, in the output picture's pixels.
std::string OverlayScript(const SpanSource& source, const ExportGeometry& geometry,
                          const OverlayStyle& style);

// A Noto CJK family whose glyphs suit the language; all of them cover the seven
// languages' scripts.
std::string_view OverlayFontName(int language);

// Text that ASS shows as it stands: braces are escaped and a backslash cannot start an
// override; line breaks become ASS breaks, or blanks when they are not to be kept.
std::string AssEscaped(std::string_view text, bool keepLineBreaks = false);

}  // namespace direvovu::exporting
