#pragma once

#include <string>
#include <vector>

#include "refhost/widgets/WidgetProtocol.h"
#include "refhost/widgets/WidgetRecord.h"

namespace refhost {

struct ReadPair {
  const KeySpec* spec;
  void* value;
};

// Reads one value list strictly. Renders every pair into `call`, appends
// what breaks the protocol to `problems`, and returns the pairs the host
// understood, in list order. `kind` is the target widget's kind (empty when
// the target is unknown or none).
std::vector<ReadPair> ReadValueList(int code, const std::string& kind, void** values,
                                    WidgetCall& call, std::vector<std::string>& problems);

// The text of a NUL-terminated UTF-16 value, read at most to a sane bound.
std::u16string ReadWide(const void* value);
std::string ToUtf8(const std::u16string& text);

}  // namespace refhost
