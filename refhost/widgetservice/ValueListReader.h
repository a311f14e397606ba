#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/widgetservice/ProtocolBreach.h"
#include "refhost/widgetservice/RecordedCall.h"
#include "refhost/widgetservice/WidgetProtocol.h"

namespace refhost {

struct ReadPair {
  const KeySpec* keySpec;
  void* value;  // null only for a method name
};

// Reads one value list strictly. Renders every pair into `call`, appends
// every breach of the protocol to `breaches` (as breaches of call number
// `callIndex`), and returns the pairs the host understood, in list order.
// `kind` is the target widget's kind, empty when the target is none or
// unknown, so that only the code's keys are checked.
REFHOST_API std::vector<ReadPair> ReadValueList(WidgetOp code, const std::string& kind,
                                                void** values, RecordedCall& call,
                                                std::size_t callIndex,
                                                std::vector<ProtocolBreach>& breaches);

}  // namespace refhost
