// The settings reader over arbitrary bytes: parse, look up, edit, write back, parse
// again. Nothing may crash, and a key just written must read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/settings/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using direvovu::IniDocument;
  auto doc = IniDocument::Parse(std::span(data, size));
  (void)doc.Get("VIEWER_SETUP", "LANGUAGE");
  (void)doc.SectionNames();
  (void)doc.SectionLines("USER_SETUP");
  doc.Set("VIEWER_SETUP", "VOLUME", "7");
  doc.SetSection("Event1", {"File=a.mp4"});
  const auto bytes = doc.Serialize();
  const auto again = IniDocument::Parse(bytes);
  const auto volume = again.Get("VIEWER_SETUP", "VOLUME");
  if (!volume || *volume != "7") std::abort();
  return 0;
}
