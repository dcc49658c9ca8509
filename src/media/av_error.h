#pragma once

#include <stdexcept>
#include <string>

namespace direvovu::media {

// A reason the export stops, already worded for the user.
class MediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// FFmpeg's text for one of its error codes ("Invalid data found when processing input").
std::string AvErrorText(int code);

// Throws MediaError("<what>: <FFmpeg's text>") when code is negative; returns it otherwise.
int CheckAv(int code, const std::string& what);

}  // namespace direvovu::media
