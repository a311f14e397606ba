#pragma once

#include <cstddef>
#include <string>

namespace refhost {

enum class BreachKind {
  UnknownCode,    // an operation code the host does not have
  UnknownKey,     // a key unknown for the code, or for the target's kind
  NotPreset,      // an out-value that does not hold its default before the call
  PairOrder,      // pairs out of order, or a method name that is not first
  BadBool,        // a bool that is not one byte 0 or 1
  MissingValue,   // a required in-value absent, or a null value pointer
  BadValue,       // an in-value outside what the host knows, e.g. a kind
  BadTarget,      // a destroyed or impossible target
  MalformedList,  // a null, overlong or wrongly sized list
};

// A list that broke the value protocol: which call (index into the record),
// what kind of breach, and a readable account of it.
struct ProtocolBreach {
  std::size_t call = 0;
  BreachKind kind = BreachKind::MalformedList;
  std::string what;
};

}  // namespace refhost
