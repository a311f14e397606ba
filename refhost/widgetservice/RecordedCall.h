#pragma once

#include <string>
#include <utility>
#include <vector>

#include "abi/WidgetProtocol.h"
#include "refhost/RefhostApi.h"

namespace refhost {

// One MQWidget_Value call as the reader saw it: each pair's key and a
// readable rendering of its value (in-values as sent, out-values as preset).
struct REFHOST_API RecordedCall {
  int target = 0;
  WidgetOp code{};
  std::vector<std::pair<std::string, std::string>> pairs;

  bool Has(const std::string& key) const;
  // The rendering of `key`'s value, or empty when the call has no such key.
  std::string Value(const std::string& key) const;
};

}  // namespace refhost
