#pragma once

#include <cstdint>

#include "abi/WidgetProtocol.h"
#include "refhost/RefhostApi.h"

// The value types and key tables of the widget value protocol, as the host
// reads them.
namespace refhost {

enum class ValueType { Narrow, Wide, Int, Bool, Double, Tag, WideBuffer, Method };

// A key the host knows for one operation: its type, whether the host writes
// it, the default an out-value must be preset to, and the widget kinds it
// applies to (space-separated; null for any).
struct KeySpec {
  const char* key;
  ValueType type;
  bool out;
  double preset;
  const char* kinds;
};

// The key's keySpec for `code`, or null when the host does not know it there.
REFHOST_API const KeySpec* FindKeySpec(WidgetOp code, const char* key);

}  // namespace refhost
