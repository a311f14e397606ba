// The reference host's strict reader of widget value lists, given lists a
// careless plug-in might send: any operation code, known and unknown keys,
// null and unset values, overlong lists. It must record and flag, never crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "abi/WidgetProtocol.h"
#include "fuzz/FuzzCheck.h"
#include "refhost/widgetservice/ValueListReader.h"

namespace {

constexpr std::size_t kMaxPairs = 80;  // beyond the reader's own limit
const WidgetOp kCodes[] = {WidgetOp::Execute,  WidgetOp::GetSystem, WidgetOp::Create,
                           WidgetOp::Destroy,  WidgetOp::AddChild,  WidgetOp::AddChildWindow,
                           WidgetOp::GetValue, WidgetOp::SetValue,  WidgetOp::CallMethod};
const char* const kKinds[] = {"",        "dialog", "main_window", "frame",        "button",
                              "listbox", "label",  "edit",        "doublespinbox"};
const char* const kKeys[] = {
    "type",         "result",    "system",     "id",          "child",
    "currentindex", "index",     "item.tag",   "text.length", "text",
    "position",     "alignment", "horzlayout", "vertlayout",  "fillbeforerate",
    "title",        "readonly",  "default",    "cancel",      "modalresult",
    "min",          "max",       "increment",  "additem",     "tag"};

// Room for any value type; the zero tail ends every narrow and wide text.
struct ValueSlot {
  alignas(8) unsigned char bytes[32] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const WidgetOp code = input.ConsumeBool()
                            ? input.PickValueInArray(kCodes)
                            : static_cast<WidgetOp>(input.ConsumeIntegral<std::int32_t>());
  const std::string kind = input.PickValueInArray(kKinds);
  const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, kMaxPairs);
  std::vector<std::string> keys;
  std::vector<ValueSlot> slots(count);
  keys.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    keys.push_back(input.ConsumeBool() ? input.PickValueInArray(kKeys)
                                       : input.ConsumeRandomLengthString(10));
    const std::vector<std::uint8_t> value = input.ConsumeBytes<std::uint8_t>(24);
    if (!value.empty()) std::memcpy(slots[i].bytes, value.data(), value.size());
  }
  std::vector<void*> list;
  for (std::size_t i = 0; i < count; ++i) {
    list.push_back(const_cast<char*>(keys[i].c_str()));
    list.push_back(input.ConsumeIntegralInRange(0, 5) == 0 ? nullptr : slots[i].bytes);
  }
  list.push_back(nullptr);
  list.push_back(nullptr);

  refhost::RecordedCall call;
  std::vector<refhost::ProtocolBreach> breaches;
  void** values = input.ConsumeIntegralInRange(0, 31) == 0 ? nullptr : list.data();
  const std::vector<refhost::ReadPair> pairs =
      refhost::ReadValueList(code, kind, values, call, 7, breaches);
  Check(pairs.size() <= call.pairs.size(), "every understood pair is recorded");
  for (const refhost::ProtocolBreach& breach : breaches) {
    Check(breach.call == 7 && !breach.what.empty(), "a breach names its call and what broke");
  }
  return 0;
}
