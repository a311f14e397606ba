#pragma once

#include <functional>

#include "abi/WidgetProtocol.h"
#include "plugin/HostFunctionTable.h"

// Puts itself in the host table's MQWidget_Value slot for its lifetime and
// runs a test's hook after each call has reached the reference host, so a
// test can look at the plug-in's own state at the moment of a given call, or
// answer in ways the reference host does not.
class WidgetCallSpy {
 public:
  using Hook = std::function<void(int id, WidgetOp code, void** values)>;

  explicit WidgetCallSpy(Hook hook);
  ~WidgetCallSpy();
  WidgetCallSpy(const WidgetCallSpy&) = delete;
  WidgetCallSpy& operator=(const WidgetCallSpy&) = delete;

 private:
  platform::EntryPoint saved_;
};
