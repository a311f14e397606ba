#pragma once

#include <cstdint>

// The operation codes and value types of the widget value protocol, as the
// host reads them.
namespace refhost {

namespace widget_op {
inline constexpr int kExecute = 0x0001;
inline constexpr int kGetSystem = 0x0100;
inline constexpr int kCreate = 0x0101;
inline constexpr int kDestroy = 0x0102;
inline constexpr int kAddChild = 0x0201;
inline constexpr int kAddChildWindow = 0x0203;
inline constexpr int kGetValue = 0x0301;
inline constexpr int kSetValue = 0x0302;
inline constexpr int kCallMethod = 0x0303;
}  // namespace widget_op

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
const KeySpec* FindKeySpec(int code, const char* key);

}  // namespace refhost
