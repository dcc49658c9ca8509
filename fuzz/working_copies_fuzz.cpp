// The working-copy step on the bytes as a real file, with a user who always knows the
// password: the path a recording from someone else's card takes before it plays. Slow by
// nature (every input goes through the disk), so it is a target of its own.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "core/recording/working_copies.h"

namespace {

namespace fs = std::filesystem;
using namespace direvovu;

// Memory-backed when the system has it: a disk file system flushes the rewritten input
// on every run and the target then spends its time waiting for the disk.
fs::path ScratchRoot() {
  std::error_code ec;
  if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
  return fs::temp_directory_path();
}

// One folder per fuzzing process, removed when the process ends.
struct Folder {
  fs::path path = ScratchRoot() / ("direvovu-fuzz-" + std::to_string(::getpid()));
  Folder() { fs::create_directories(path); }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Folder folder;
  const fs::path& dir = folder.path;
  const fs::path front = dir / "drf0_20090807_142530.mp4";
  {
    std::ofstream out(front, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  PasswordState passwords;
  const auto r = MakeWorkingCopies(front, dir / "front.dat", dir / "rear.dat", passwords,
                                   [](const PasswordQuestion&) { return true; });
  // A working copy is always exactly as long as its recording.
  if (r.status == LoadStatus::Ready && r.frontPresent && fs::file_size(dir / "front.dat") != size) std::abort();
  return 0;
}
