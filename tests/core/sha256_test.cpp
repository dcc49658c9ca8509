#include "core/io/sha256.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "temp_folder.h"

namespace direvovu {
namespace {

std::string HexOf(const std::optional<Sha256Digest>& digest) { return digest ? HexText(*digest) : "failed"; }

TEST(Sha256Test, KnownVectorsWhateverThePieces) {
  struct Case {
    std::string message;
    const char* hex;
  } const cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{63}, std::size_t{4096}}) {
      Sha256 hasher;
      for (std::size_t at = 0; at < c.message.size(); at += piece) hasher.Update(c.message.substr(at, piece));
      EXPECT_EQ(HexOf(hasher.Finish()), c.hex) << c.message.size() << " in pieces of " << piece;
    }
  }
}

TEST(Sha256Test, FileDigestReadsEveryBlockAndSaysWhatStoppedIt) {
  TempFolder folder;
  const std::string bytes(std::size_t{3} << 20 | 5, 'a');  // past several read blocks
  WriteText(folder / "big", bytes);
  const std::atomic<bool> cancelled{true};
  const CopyWatch cancel{&cancelled, {}};
  struct Case {
    std::string name;
    const CopyWatch* watch;
    std::string hex;
    std::error_code error;
  } const cases[] = {
      {"big",
       nullptr,
       HexOf(Sha256Of({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})),
       {}},
      {"missing", nullptr, "failed", std::make_error_code(std::errc::no_such_file_or_directory)},
      {"big", &cancel, "failed", std::make_error_code(std::errc::operation_canceled)},
  };
  for (const Case& c : cases) {
    std::error_code error;
    EXPECT_EQ(HexOf(Sha256OfFile(folder / c.name, error, c.watch)), c.hex) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
  }
}

}  // namespace
}  // namespace direvovu
