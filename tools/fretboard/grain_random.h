#pragma once

#include <cstdint>

namespace velmora::fretboard {

// A tiny xorshift generator. The wood must come out the same on every
// machine, so it draws its randomness from here rather than from the standard
// distributions, whose output differs between library implementations.
class GrainRandom {
 public:
  explicit GrainRandom(std::uint32_t seed) : state_(seed == 0 ? 1U : seed) {}

  std::uint32_t Next() {
    state_ ^= state_ << 13U;
    state_ ^= state_ >> 17U;
    state_ ^= state_ << 5U;
    return state_;
  }

  // Uniform in [0, 1), 24 bits of resolution.
  double Unit() { return static_cast<double>(Next() >> 8U) / 16777216.0; }

 private:
  std::uint32_t state_;
};

}  // namespace velmora::fretboard
