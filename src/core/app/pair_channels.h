#pragma once

#include <cstdint>

namespace direvovu {

// The two channels of a recorded pair, as the playback's rules name them (the player has
// its own enum; the rules do not depend on it).
enum class PairChannel : std::uint8_t { Front = 1, Rear = 2 };

// Which of the two channels something holds for: present, reported, ...
class ChannelSet {
 public:
  constexpr ChannelSet() = default;
  static constexpr ChannelSet Of(PairChannel channel) { return ChannelSet(Bit(channel)); }
  static constexpr ChannelSet Both() { return ChannelSet(Bit(PairChannel::Front) | Bit(PairChannel::Rear)); }

  [[nodiscard]] constexpr bool Has(PairChannel channel) const { return (bits_ & Bit(channel)) != 0; }
  [[nodiscard]] constexpr bool Contains(ChannelSet other) const { return (bits_ & other.bits_) == other.bits_; }
  [[nodiscard]] constexpr bool Empty() const { return bits_ == 0; }
  [[nodiscard]] constexpr int Count() const { return static_cast<int>((bits_ & 1U) + ((bits_ >> 1U) & 1U)); }
  [[nodiscard]] constexpr ChannelSet With(PairChannel channel) const { return ChannelSet(bits_ | Bit(channel)); }
  [[nodiscard]] constexpr ChannelSet Without(PairChannel channel) const {
    return ChannelSet(bits_ & ~Bit(channel));
  }
  [[nodiscard]] constexpr ChannelSet operator|(ChannelSet other) const { return ChannelSet(bits_ | other.bits_); }
  constexpr bool operator==(const ChannelSet&) const = default;

 private:
  constexpr explicit ChannelSet(unsigned bits) : bits_(static_cast<std::uint8_t>(bits)) {}
  static constexpr unsigned Bit(PairChannel channel) { return static_cast<unsigned>(channel); }

  std::uint8_t bits_ = 0;
};

}  // namespace direvovu
