#include "media/head_replaced_file.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

#include "media/av_error.h"

namespace direvovu::media {
namespace {

constexpr int kBufferBytes = 64 * 1024;

}  // namespace

HeadReplacedFile::HeadReplacedFile(const std::filesystem::path& file, std::vector<std::uint8_t> head)
    : file_(file, std::ios::binary), head_(std::move(head)) {
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(file, ec);
  if (!file_ || ec) throw MediaError("Cannot open " + file.string());
  size_ = static_cast<std::int64_t>(bytes);
  if (static_cast<std::uintmax_t>(head_.size()) > bytes)
    throw MediaError(file.string() + " is shorter than its decrypted header");
  auto* buffer = static_cast<std::uint8_t*>(av_malloc(kBufferBytes));
  if (buffer == nullptr) throw MediaError("Out of memory");
  context_ = avio_alloc_context(buffer, kBufferBytes, 0, this, &HeadReplacedFile::Read, nullptr,
                                &HeadReplacedFile::Seek);
  if (context_ == nullptr) {
    av_free(buffer);
    throw MediaError("Out of memory");
  }
}

HeadReplacedFile::~HeadReplacedFile() {
  if (context_ == nullptr) return;
  av_freep(static_cast<void*>(&context_->buffer));
  avio_context_free(&context_);
}

int HeadReplacedFile::Read(void* opaque, std::uint8_t* buffer, int wanted) {
  return static_cast<HeadReplacedFile*>(opaque)->ReadAt(buffer, wanted);
}

int HeadReplacedFile::ReadAt(std::uint8_t* buffer, int wanted) {
  if (wanted <= 0) return 0;
  if (position_ >= size_) return AVERROR_EOF;
  const auto head_bytes = static_cast<std::int64_t>(head_.size());
  if (position_ < head_bytes) {
    const auto n = static_cast<int>(std::min<std::int64_t>(wanted, head_bytes - position_));
    std::memcpy(buffer, head_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
  }
  file_.clear();
  file_.seekg(position_);
  file_.read(reinterpret_cast<char*>(buffer), wanted);
  const auto n = static_cast<int>(file_.gcount());
  if (n == 0) return file_.bad() ? AVERROR(EIO) : AVERROR_EOF;
  position_ += n;
  return n;
}

std::int64_t HeadReplacedFile::Seek(void* opaque, std::int64_t offset, int whence) {
  auto* self = static_cast<HeadReplacedFile*>(opaque);
  std::int64_t target = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
      return self->size_;
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = self->position_ + offset;
      break;
    case SEEK_END:
      target = self->size_ + offset;
      break;
    default:
      return AVERROR(EINVAL);
  }
  if (target < 0) return AVERROR(EINVAL);
  self->position_ = target;
  return target;
}

}  // namespace direvovu::media
