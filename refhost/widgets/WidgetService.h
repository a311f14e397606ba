#pragma once

// The reference host's widget service, behind MQWidget_Value.
namespace refhost {

class WidgetService {
 public:
  static WidgetService& Instance();
  // One MQWidget_Value call: `values` is the key/value list of the protocol.
  void Value(int id, int code, void** values);
  // Forgets every widget, record, fault mode and driver.
  void Reset();
};

}  // namespace refhost
