#pragma once

#include <filesystem>
#include <string>

#include "media/av_handles.h"

namespace direvovu::media {

struct ContainerTags {
  std::string creation_time;  // ISO 8601 UTC; empty: none
  std::string location;       // ISO 6709; empty: none
};

// The MP4 being written, its index (moov) moved before the media data when it is done so
// that a player or a browser can start it before it has all of it.
class Mp4Writer {
 public:
  // `file` is where the bytes go; `shown_name` is what messages call it.
  Mp4Writer(const std::filesystem::path& file, std::string shown_name, const ContainerTags& tags);
  ~Mp4Writer();
  Mp4Writer(const Mp4Writer&) = delete;
  Mp4Writer& operator=(const Mp4Writer&) = delete;

  // Encoders opened for this file put their stream headers out of band.
  [[nodiscard]] bool wants_global_header() const;
  AVStream* AddStream(const AVCodecContext* encoder);
  void Start();
  // Writes a packet of `encoder` (in its time base) to `stream`.
  void Write(AVPacket* packet, const AVCodecContext* encoder, AVStream* stream);
  void Finish();

 private:
  [[noreturn]] void Fail(int code) const;

  std::filesystem::path file_;
  std::string shown_name_;
  AVFormatContext* context_ = nullptr;
  bool started_ = false;
};

}  // namespace direvovu::media
