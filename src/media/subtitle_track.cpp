#include "media/subtitle_track.h"

#include <cstring>
#include <string>

#include "media/av_error.h"
#include "media/mp4_writer.h"
#include "media/subtitle_cues.h"

namespace direvovu::media {
namespace {

constexpr char kAssHeader[] =
    "[Script Info]\r\n"
    "ScriptType: v4.00+\r\n"
    "PlayResX: 384\r\n"
    "PlayResY: 288\r\n"
    "\r\n"
    "[V4+ Styles]\r\n"
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
    "Italic, "
    "Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
    "MarginR, MarginV, Encoding\r\n"
    "Style: Default,Sans,16,&Hffffff,&Hffffff,&H0,&H0,0,0,0,0,100,100,0,0,1,1,0,2,10,10,10,1\r\n"
    "\r\n"
    "[Events]\r\n"
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\r\n";

// The encoder reads FFmpeg's own event form: ReadOrder, Layer, Style, Name, MarginL,
// MarginR, MarginV, Effect, Text.
std::string DialogueLine(const SubtitleCue& cue) {
  return "0,0,Default,,0,0,0,," + AssDialogueText(cue.text);
}

PacketPtr EncodeCue(AVCodecContext* encoder, const SubtitleCue& cue) {
  std::string line = DialogueLine(cue);
  AVSubtitleRect rect{};
  rect.type = SUBTITLE_ASS;
  rect.ass = line.data();
  AVSubtitleRect* rects[] = {&rect};
  AVSubtitle subtitle{};
  subtitle.num_rects = 1;
  subtitle.rects = rects;
  subtitle.end_display_time = static_cast<std::uint32_t>(cue.endMs - cue.startMs);
  std::vector<std::uint8_t> buffer(line.size() + 1024);
  const int size =
      CheckAv(avcodec_encode_subtitle(encoder, buffer.data(), static_cast<int>(buffer.size()), &subtitle),
              "Cannot encode a subtitle");
  PacketPtr packet = NewPacket();
  CheckAv(av_new_packet(packet.get(), size), "Cannot encode a subtitle");
  std::memcpy(packet->data, buffer.data(), static_cast<std::size_t>(size));
  packet->pts = cue.startMs;
  packet->dts = cue.startMs;
  packet->duration = cue.endMs - cue.startMs;
  return packet;
}

}  // namespace

CodecContextPtr OpenSubtitleEncoder(bool global_header) {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MOV_TEXT);
  if (codec == nullptr) throw MediaError("This FFmpeg has no timed-text encoder");
  CodecContextPtr context(avcodec_alloc_context3(codec));
  if (!context) throw MediaError("Out of memory");
  context->time_base = AVRational{1, 1000};
  // Freed with the context.
  context->subtitle_header = static_cast<std::uint8_t*>(av_memdup(kAssHeader, sizeof kAssHeader));
  if (context->subtitle_header == nullptr) throw MediaError("Out of memory");
  context->subtitle_header_size = static_cast<int>(sizeof kAssHeader - 1);
  if (global_header) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  CheckAv(avcodec_open2(context.get(), codec, nullptr), "Cannot start the timed-text encoder");
  return context;
}

void WriteCues(AVCodecContext* encoder, const std::vector<SubtitleCue>& cues, Mp4Writer& writer,
               AVStream* stream) {
  for (const SubtitleCue& cue : cues) {
    PacketPtr packet = EncodeCue(encoder, cue);
    writer.Write(packet.get(), encoder, stream);
  }
}

}  // namespace direvovu::media
