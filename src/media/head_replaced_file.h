#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "media/ffmpeg_api.h"

namespace direvovu::media {

// A recording read by the demuxer through our own reader: the first bytes come from
// `head` when it is not empty, the rest from the file. This is how a scrambled recording
// is read with its header decrypted in memory; plain files go the same way, so that no
// path is ever taken for one of FFmpeg's protocols.
class HeadReplacedFile {
 public:
  // Throws MediaError when the file cannot be opened or is shorter than the head.
  HeadReplacedFile(const std::filesystem::path& file, std::vector<std::uint8_t> head);
  ~HeadReplacedFile();
  HeadReplacedFile(const HeadReplacedFile&) = delete;
  HeadReplacedFile& operator=(const HeadReplacedFile&) = delete;

  AVIOContext* context() const { return context_; }
  std::int64_t size() const { return size_; }

 private:
  static int Read(void* opaque, std::uint8_t* buffer, int wanted);
  static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);
  int ReadAt(std::uint8_t* buffer, int wanted);

  std::ifstream file_;
  std::vector<std::uint8_t> head_;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
  AVIOContext* context_ = nullptr;
};

}  // namespace direvovu::media
