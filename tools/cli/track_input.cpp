#include "track_input.h"

#include <array>
#include <iostream>
#include <vector>

#include "core/io/byte_reader.h"
#include "core/recording/encrypted_recording.h"
#include "core/settings/texts.h"
#include "message_text.h"

namespace direvovu::cli {
namespace {

// The plain recording inside an encrypted one, without writing it out: the decrypted
// header over the scrambled one and the trailer cut off.
int ReadEncrypted(const RecordingArgs& args, FileReader& file, ReadRecording& out) {
  if (!args.password) {
    std::cerr << "direvovu-cli: " << args.file.string()
              << ": the recording is encrypted; give its password with --password\n";
    return kExitRefused;
  }
  const std::uint64_t size = file.Size();
  EncryptedParts parts;
  if (!file.ReadExact(0, parts.header) || !file.ReadExact(size - 32, parts.passwordBlock) ||
      !file.ReadExact(size - 16, parts.tailBlock)) {
    ReportMessage(args.file, msg::kCantOpenFile);
    return kExitRefused;
  }
  PasswordSlot filePassword{};
  if (!ReadPasswordBlock(parts.passwordBlock, filePassword)) {
    ReportMessage(args.file, msg::kIllegalFile);
    return kExitRefused;
  }
  if (SlotText(filePassword).empty()) {
    // The camera wrote no password: the viewer takes the file as it stands.
    out.encrypted = false;
    out.outcome = ParseEmbeddedTrack(file, true, out.track);
    return kExitOk;
  }
  if (!SlotMatches(filePassword, *args.password)) {
    std::cerr << "direvovu-cli: " << args.file.string() << ": wrong password\n";
    return kExitWrongPassword;
  }
  const auto header = DecryptHeader(parts.header, parts.tailBlock, filePassword);
  if (!header) {
    ReportMessage(args.file, msg::kIllegalFile);
    return kExitRefused;
  }
  OverlayReader plain(file, std::vector<std::uint8_t>(header->begin(), header->end()),
                      size - kEncryptedTrailerBytes);
  out.outcome = ParseEmbeddedTrack(plain, true, out.track);
  return kExitOk;
}

}  // namespace

void ReportMessage(const std::filesystem::path& file, MessageId message) {
  PrintMessage(message, file.string());
}

int ParseRecordingArgs(Args args, bool allowFormat, RecordingArgs& out) {
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    std::optional<std::string> inlineValue;
    if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
      inlineValue = std::string(arg.substr(arg.find('=') + 1));
      arg = arg.substr(0, arg.find('='));
    }
    const bool isPassword = arg == "--password";
    const bool isFormat = allowFormat && arg == "--format";
    if (isPassword || isFormat) {
      if (!inlineValue) {
        if (i + 1 >= args.size()) return UsageError(std::string(arg) + " needs a value");
        inlineValue = std::string(args[++i]);
      }
      (isPassword ? out.password : out.format) = *inlineValue;
    } else if (arg.starts_with("-") && arg != "-") {
      return UsageError("unknown option '" + std::string(args[i]) + "'");
    } else if (haveFile) {
      return UsageError("more than one FILE given");
    } else {
      out.file = std::filesystem::path(std::string(arg));
      haveFile = true;
    }
  }
  if (!haveFile) return UsageError("missing FILE");
  return kExitOk;
}

int ReadRecordingTrack(const RecordingArgs& args, ReadRecording& out) {
  const auto file = FileReader::Open(args.file);
  if (!file) {
    ReportMessage(args.file, msg::kCantOpenFile);
    return kExitRefused;
  }
  std::array<std::uint8_t, 11> head{};
  const std::size_t got = file->ReadAt(0, head);
  out.encrypted = LooksEncrypted(std::span(head).first(got), file->Size());
  if (out.encrypted) return ReadEncrypted(args, *file, out);
  out.outcome = ParseEmbeddedTrack(*file, true, out.track);
  return kExitOk;
}

}  // namespace direvovu::cli
