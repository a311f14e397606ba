#pragma once

#include <cstdint>

namespace refhost {

// Told now and then how far a long read or write has come, in units of the
// caller's choosing (bytes, vertices); `done` never exceeds `total`.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void Advance(std::uint64_t done, std::uint64_t total) = 0;
};

}  // namespace refhost
