#pragma once

#include <array>
#include <cstddef>

#include "widgets/WidgetValue.h"

// A widget value list in the caller's local storage: key and value slots in
// pairs, closed by one null key slot, since the host reads it without a
// count. Building it allocates nothing.
template <std::size_t PairCount>
class ValueList {
 public:
  explicit ValueList(const WidgetValue (&pairs)[PairCount]) {
    std::size_t slot = 0;
    for (const WidgetValue& pair : pairs) {
      // The host only reads keys and in-values; the slots are untyped.
      slots_[slot++] = const_cast<char*>(pair.key);
      slots_[slot++] = const_cast<void*>(pair.value);
    }
  }

  void** slots() { return slots_.data(); }

 private:
  std::array<void*, 2 * PairCount + 1> slots_{};
};
