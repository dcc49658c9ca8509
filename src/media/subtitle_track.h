#pragma once

#include <vector>

#include "media/av_handles.h"
#include "media/evidence_export.h"

namespace direvovu::media {

class Mp4Writer;

// The timed-text (mov_text) encoder; its sample description comes from a plain default
// style (white sans-serif, bottom centre).
CodecContextPtr OpenSubtitleEncoder(bool global_header);

// Encodes cues already arranged (ArrangeCues) and hands them to the writer, which
// interleaves them with the pictures.
void WriteCues(AVCodecContext* encoder, const std::vector<SubtitleCue>& cues, Mp4Writer& writer,
               AVStream* stream);

}  // namespace direvovu::media
