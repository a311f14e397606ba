#pragma once

#include <cstddef>

#include "abi/WidgetProtocol.h"
#include "plugin/HostFunctionTable.h"
#include "widgets/ValueList.h"
#include "widgets/WidgetID.h"

// One MQWidget_Value call with an empty list. The host's return value
// carries nothing; results come back through out-values only.
void SendWidgetValues(WidgetID target, WidgetOp op);

// One MQWidget_Value call with the pairs in the given order. Every out-value
// must be preset by the caller, since the host may leave it unwritten.
template <std::size_t PairCount>
void SendWidgetValues(WidgetID target, WidgetOp op, const WidgetValue (&pairs)[PairCount]) {
  ValueList<PairCount> list(pairs);
  HOST_FN(MQWidget_Value)(target, static_cast<int>(op), list.slots());
}
