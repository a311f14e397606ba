#include "tests/widgets/WidgetCallSpy.h"

#include <utility>

namespace {
platform::EntryPoint& WidgetSlot() {
  return host::g_slots[static_cast<int>(host::HostFunction::MQWidget_Value)];
}

hostapi::MQWidget_Value g_forward = nullptr;
WidgetCallSpy::Hook g_hook;

int SpiedWidgetValue(int id, int code, void** values) {
  const int result = g_forward(id, code, values);
  g_hook(id, static_cast<WidgetOp>(code), values);
  return result;
}
}  // namespace

WidgetCallSpy::WidgetCallSpy(Hook hook) : saved_(WidgetSlot()) {
  g_forward = reinterpret_cast<hostapi::MQWidget_Value>(saved_);
  g_hook = std::move(hook);
  WidgetSlot() = reinterpret_cast<platform::EntryPoint>(&SpiedWidgetValue);
}

WidgetCallSpy::~WidgetCallSpy() {
  WidgetSlot() = saved_;
  g_hook = nullptr;
}
