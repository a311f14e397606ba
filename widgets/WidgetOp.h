#pragma once

#include <cstdint>

// Operation codes of MQWidget_Value. The high byte names the group:
// 0x00 running, 0x01 existence, 0x02 hierarchy, 0x03 values.
enum class WidgetOp : std::int32_t {
  Execute = 0x0001,
  GetSystem = 0x0100,
  Create = 0x0101,
  Destroy = 0x0102,
  AddChild = 0x0201,
  AddChildWindow = 0x0203,
  GetValue = 0x0301,
  SetValue = 0x0302,
  CallMethod = 0x0303,
};
