#include "core/io/sha256.h"

#include <openssl/evp.h>

#include <cerrno>
#include <vector>

namespace direvovu {
namespace {

// Large enough that a recording of a gigabyte takes a thousand reads, small enough to
// answer a cancel at once.
constexpr std::size_t kFileBlock = std::size_t{1} << 20;

}  // namespace

struct Sha256::Context {
  EVP_MD_CTX* md = EVP_MD_CTX_new();
  bool ok = md != nullptr && EVP_DigestInit_ex(md, EVP_sha256(), nullptr) == 1;

  Context() = default;
  ~Context() { EVP_MD_CTX_free(md); }
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;
  Context(Context&&) = delete;
  Context& operator=(Context&&) = delete;
};

Sha256::Sha256() : context_(std::make_unique<Context>()) {}
Sha256::~Sha256() = default;
Sha256::Sha256(Sha256&&) noexcept = default;
Sha256& Sha256::operator=(Sha256&&) noexcept = default;

void Sha256::Update(std::span<const std::uint8_t> bytes) {
  if (!context_) context_ = std::make_unique<Context>();
  if (context_->ok && !bytes.empty())
    context_->ok = EVP_DigestUpdate(context_->md, bytes.data(), bytes.size()) == 1;
}

void Sha256::Update(std::string_view text) {
  Update(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::optional<Sha256Digest> Sha256::Finish() {
  if (!context_) context_ = std::make_unique<Context>();
  Sha256Digest digest{};
  unsigned int length = 0;
  const bool done = context_->ok && EVP_DigestFinal_ex(context_->md, digest.data(), &length) == 1 &&
                    length == digest.size();
  context_ = std::make_unique<Context>();
  if (!done) return std::nullopt;
  return digest;
}

std::optional<Sha256Digest> Sha256Of(std::span<const std::uint8_t> bytes) {
  Sha256 hasher;
  hasher.Update(bytes);
  return hasher.Finish();
}

std::optional<Sha256Digest> Sha256OfFile(const std::filesystem::path& path, std::error_code& error,
                                         const CopyWatch* watch) {
  error.clear();
  errno = 0;
  const auto file = BinaryFile::OpenRead(path);
  if (!file) {
    // No errno: it opened but is not a regular file.
    error = std::error_code(errno != 0 ? errno : EINVAL, std::generic_category());
    return std::nullopt;
  }
  Sha256 hasher;
  std::vector<std::uint8_t> block(kFileBlock);
  for (std::uint64_t offset = 0;;) {
    if (watch != nullptr) {
      if (watch->Cancelled()) {
        error = std::make_error_code(std::errc::operation_canceled);
        return std::nullopt;
      }
      watch->Report(offset);
    }
    const auto got = file->ReadAt(offset, block);
    if (!got) {
      error = std::error_code(errno, std::generic_category());
      return std::nullopt;
    }
    if (*got == 0) break;
    hasher.Update(std::span(block).first(*got));
    offset += *got;
  }
  auto digest = hasher.Finish();
  if (!digest) error = std::make_error_code(std::errc::not_enough_memory);
  return digest;
}

std::string HexText(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

}  // namespace direvovu
