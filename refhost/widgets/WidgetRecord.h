#pragma once

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

// A list that broke the value protocol: which call (index into the record)
// and what was wrong.
struct ProtocolBreach {
  std::size_t call = 0;
  std::string what;
};

struct WidgetFaults {
  bool writeNoOutValues = false;    // the host answers nothing
  bool createFails = false;         // Create leaves "id" at 0
  bool noMainWindow = false;        // GetSystem unanswered
  bool negativeTextLength = false;  // "text.length" reported as -1
  bool unterminatedText = false;    // "text" written without its NUL
};

}  // namespace refhost
