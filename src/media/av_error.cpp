#include "media/av_error.h"

#include <array>

#include "media/av_handles.h"

namespace direvovu::media {

std::string AvErrorText(int code) {
  std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
  if (av_strerror(code, text.data(), text.size()) < 0) return "error " + std::to_string(code);
  return text.data();
}

int CheckAv(int code, const std::string& what) {
  if (code < 0) throw MediaError(what + ": " + AvErrorText(code));
  return code;
}

FramePtr NewFrame() {
  FramePtr frame(av_frame_alloc());
  if (!frame) throw MediaError("Out of memory");
  return frame;
}

PacketPtr NewPacket() {
  PacketPtr packet(av_packet_alloc());
  if (!packet) throw MediaError("Out of memory");
  return packet;
}

}  // namespace direvovu::media
