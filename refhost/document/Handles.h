#pragma once

#include <cstdint>
#include <limits>

#include "abi/HostApi.h"

// The references handed to a plug-in are tagged serial numbers rather than
// addresses: whatever value a plug-in passes back can then be checked with
// two comparisons instead of being followed, and a document handle passed as
// an object (or any real, aligned pointer) carries the wrong tag.
namespace refhost::handles {

inline constexpr int kTagBits = 4;
inline constexpr std::uintptr_t kObjectTag = 0x9;
inline constexpr std::uintptr_t kDocumentTag = 0xB;

inline std::uintptr_t Encode(int serial, std::uintptr_t tag) {
  return static_cast<std::uintptr_t>(serial) << kTagBits | tag;
}

// The serial number in `value`, or a number larger than any serial when it
// does not carry `tag`: the tag's difference is rotated into the top bits, so
// that one bounds check rejects both a wrong tag and an unknown serial.
inline std::uintptr_t Decode(const void* value, std::uintptr_t tag) {
  const auto bits = reinterpret_cast<std::uintptr_t>(value) ^ tag;
  return bits >> kTagBits | bits << (std::numeric_limits<std::uintptr_t>::digits - kTagBits);
}

inline MQObject ObjectHandle(int uniqueID) {
  return reinterpret_cast<MQObject>(Encode(uniqueID, kObjectTag));
}

inline MQDocument DocumentHandle(int serial) {
  return reinterpret_cast<MQDocument>(Encode(serial, kDocumentTag));
}

}  // namespace refhost::handles
