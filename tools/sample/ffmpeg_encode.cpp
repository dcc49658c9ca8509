#include "ffmpeg_encode.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace direvovu::sample {
namespace {

std::string VideoFilter(const EncodeOptions& o) {
  std::string filter = o.mirror ? "hflip" : "";
  if (!o.draw_text) return filter.empty() ? "null" : filter;
  if (!filter.empty()) filter += ',';
  // The clock is the clip's own time added to the start; "%F %T" keeps colons out of the
  // format, which drawtext would otherwise need escaped twice.
  const int font_size = std::max(12, o.height / 14);
  filter += "drawtext=fontfile=" + std::string(kLabelFont) + ":fontsize=" + std::to_string(font_size) +
            ":fontcolor=white:box=1:boxcolor=black@0.6:boxborderw=6:x=16:y=h-th-16:text='" + o.channel_name +
            "  %{pts\\:gmtime\\:" + std::to_string(o.clock_start) + "\\:%F %T}'";
  return filter;
}

std::string Describe(int status) {
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return std::string("signal ") + strsignal(WTERMSIG(status));
  return "status " + std::to_string(status);
}

// Spawns program with arguments, stdin from /dev/null and stdout to stdout_fd when given.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, int stdout_fd) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (stdout_fd >= 0) posix_spawn_file_actions_adddup2(&actions, stdout_fd, STDOUT_FILENO);
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error == ENOENT)
    throw EncodeError("ffmpeg not found ('" + program + "'); install ffmpeg or set DIREVOVU_FFMPEG");
  if (error != 0) throw EncodeError("could not start '" + program + "': " + std::strerror(error));
  return pid;
}

int Wait(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw EncodeError(std::string("lost track of ffmpeg: ") + std::strerror(errno));
  }
  return status;
}

}  // namespace

std::string FfmpegProgram() {
  const char* program = std::getenv("DIREVOVU_FFMPEG");
  return program && *program ? program : "ffmpeg";
}

std::vector<std::string> BuildFfmpegArguments(const EncodeOptions& o, const std::filesystem::path& output) {
  std::vector<std::string> args{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
  const std::string size = std::to_string(o.width) + "x" + std::to_string(o.height);
  args.insert(args.end(), {"-f", "lavfi", "-i", "testsrc2=size=" + size + ":rate=" + std::to_string(o.fps)});
  if (o.audio) {
    // A 440 Hz tone that beeps once a second, played quietly.
    args.insert(args.end(), {"-f", "lavfi", "-i", "sine=frequency=440:beep_factor=2:sample_rate=48000"});
  }
  args.insert(args.end(), {"-t", std::to_string(o.seconds), "-vf", VideoFilter(o), "-map", "0:v"});
  // A key frame every second keeps seeking in the viewer snappy, as on the camera.
  args.insert(args.end(),
              {"-c:v", "libx264", "-preset", o.preset, "-pix_fmt", "yuv420p", "-g", std::to_string(o.fps)});
  if (!o.bitrate.empty()) {
    args.insert(args.end(), {"-b:v", o.bitrate, "-minrate", o.bitrate, "-maxrate", o.bitrate, "-bufsize",
                             o.bitrate, "-x264-params", "nal-hrd=cbr:filler=1"});
  }
  if (o.audio) args.insert(args.end(), {"-map", "1:a", "-af", "volume=0.1", "-c:a", "aac", "-b:a", "64k"});
  // No faststart: the camera writes moov after mdat. The "mp42" brand gives the "ftypmp4"
  // that the viewer recognises recordings by.
  args.insert(args.end(), {"-brand", "mp42", "-f", "mp4", output.string()});
  return args;
}

bool CanDrawText(const std::string& program) {
  if (!std::filesystem::exists(kLabelFont)) return false;
  int fds[2];
  if (pipe(fds) != 0) return false;
  pid_t pid = 0;
  try {
    pid = Spawn(program, {"-hide_banner", "-loglevel", "error", "-filters"}, fds[1]);
  } catch (const EncodeError&) {
    close(fds[0]);
    close(fds[1]);
    return false;
  }
  close(fds[1]);
  std::string listing;
  char buffer[4096];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    listing.append(buffer, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  Wait(pid);
  return listing.find(" drawtext ") != std::string::npos;
}

void RunFfmpeg(const std::string& program, const std::vector<std::string>& arguments) {
  const int status = Wait(Spawn(program, arguments, -1));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    // posix_spawnp reports a missing program itself; 127 is the shell's way of saying the same.
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
      throw EncodeError("ffmpeg not found ('" + program + "')");
    throw EncodeError("ffmpeg failed (" + Describe(status) + ")");
  }
}

}  // namespace direvovu::sample
