// The address service's reply over arbitrary bytes, read as both kinds: no crash, no
// part longer than 255 characters or on more than one line, and the cache text of every
// reply reads back as that reply.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/map/address_cache.h"
#include "core/map/address_reply.h"

namespace {

std::size_t Characters(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

void Check(const direvovu::map::AddressReply& reply) {
  using namespace direvovu::map;
  for (const std::string* part :
       {&reply.parts.country, &reply.parts.state, &reply.parts.county, &reply.parts.town}) {
    if (Characters(*part) > 255 || part->find('\n') != std::string::npos) std::abort();
  }
  const auto back = ReadAddressCacheText(AddressCacheText(reply));
  if (!back || !(*back == reply)) std::abort();
  AddressState state;
  ApplyAddressReply(state, reply);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace direvovu::map;
  for (const AddressServiceKind kind : {AddressServiceKind::Rgc, AddressServiceKind::Nominatim}) {
    if (const auto reply = ParseAddressReply(kind, std::span(data, size))) Check(*reply);
  }
  return 0;
}
