#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace refhost {

// One MQWidget_Value call as the reader saw it: each pair's key and a
// readable rendering of its value (in-values as sent, out-values as preset).
struct WidgetCall {
  int target = 0;
  int code = 0;
  std::vector<std::pair<std::string, std::string>> pairs;

  bool Has(const std::string& key) const;
  // The rendering of `key`'s value, or empty when the call has no such key.
  std::string Value(const std::string& key) const;
};

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

struct WidgetFaults {
  bool writeNoOutValues = false;    // the host answers nothing and so creates nothing
  bool createFails = false;         // Create leaves "id" at 0
  bool noMainWindow = false;        // GetSystem unanswered
  bool negativeTextLength = false;  // "text.length" reported as -1
  bool unterminatedText = false;    // "text" written without its NUL
};

}  // namespace refhost
