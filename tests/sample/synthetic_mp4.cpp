#include "synthetic_mp4.h"

namespace direvovu::sample::testing {

void AppendBe32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes Be32(std::uint32_t value) {
  Bytes out;
  AppendBe32(out, value);
  return out;
}

Bytes Box(std::string_view type, const Bytes& payload) {
  Bytes out;
  AppendBe32(out, static_cast<std::uint32_t>(payload.size() + 8));
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes MovieHeader(std::uint32_t timescale, std::uint32_t duration) {
  Bytes payload(100, 0);  // version 0, flags, times, then the rest of a 108-byte header
  const Bytes scale = Be32(timescale), length = Be32(duration);
  std::copy(scale.begin(), scale.end(), payload.begin() + 12);
  std::copy(length.begin(), length.end(), payload.begin() + 16);
  return Box("mvhd", payload);
}

Bytes Track(std::uint32_t tkhd_duration, std::uint32_t edit_duration) {
  Bytes tkhd(84, 0);  // version 0: 92-byte box
  const Bytes d = Be32(tkhd_duration);
  std::copy(d.begin(), d.end(), tkhd.begin() + 20);
  Bytes elst = Concat({Be32(0), Be32(1), Be32(edit_duration), Be32(0), Be32(0x00010000)});
  return Box("trak", Concat({Box("tkhd", tkhd), Box("edts", Box("elst", elst))}));
}

Bytes SyntheticMp4(const SyntheticOptions& o) {
  const Bytes ftyp =
      Box("ftyp", Concat({Bytes{'i', 's', 'o', 'm'}, Be32(0x200), Bytes{'i', 's', 'o', 'm'},
                          Bytes{'i', 's', 'o', '2'}, Bytes{'a', 'v', 'c', '1'}, Bytes{'m', 'p', '4', '1'}}));
  const Bytes free = o.with_free ? Box("free", {}) : Bytes{};
  const Bytes mdat = Box("mdat", Bytes(300, 0xAB));
  const Bytes moov =
      Box("moov", Concat({MovieHeader(o.timescale, o.duration), Track(o.duration, o.duration)}));
  return o.moov_first ? Concat({ftyp, free, moov, mdat}) : Concat({ftyp, free, mdat, moov});
}

}  // namespace direvovu::sample::testing
