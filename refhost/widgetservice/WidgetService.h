#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/widgetservice/DialogDriver.h"
#include "refhost/widgetservice/ProtocolBreach.h"
#include "refhost/widgetservice/RecordedCall.h"
#include "refhost/widgetservice/ValueListReader.h"
#include "refhost/widgetservice/Widget.h"
#include "refhost/widgetservice/WidgetFaults.h"

namespace refhost {

// The reference host's widget service, behind MQWidget_Value: a tree of host
// widgets, a strict reader that records every call and flags every breach of
// the value protocol, fault modes, and a driver for modal dialogs.
class REFHOST_API WidgetService {
 public:
  static constexpr int kMainWindowID = 1;

  static WidgetService& Instance();

  // One MQWidget_Value call: `values` is the key/value list of the protocol.
  // Unknown targets are recorded and otherwise ignored.
  void Value(int id, int code, void** values);
  // Forgets every widget, record, fault mode and driver.
  void Reset();

  WidgetFaults& faults() { return faults_; }
  // Who answers modal dialogs; null: the default button is pressed.
  void SetDriver(std::shared_ptr<DialogDriver> driver) { driver_ = std::move(driver); }

  const std::vector<RecordedCall>& calls() const { return calls_; }
  const std::vector<ProtocolBreach>& breaches() const { return breaches_; }
  void ClearRecord();

  // Destroyed widgets are still found, marked; null for an ID never issued.
  const Widget* Find(int id) const;
  // For tests that give a widget a state no plug-in call can, e.g. an edit
  // content with a NUL inside.
  Widget* FindMutable(int id);
  // Every widget ever created, destroyed ones included, in creation order.
  std::vector<const Widget*> Created() const;
  std::vector<const Widget*> CreatedOfKind(const std::string& kind) const;
  int executions() const { return executions_; }

 private:
  WidgetService();

  using Pairs = std::vector<ReadPair>;
  Widget* Target(int id);
  void Dispatch(Widget* target, int id, WidgetOp code, const Pairs& pairs);
  void Execute(Widget* target, const Pairs& pairs);
  void GetSystem(const Pairs& pairs);
  void Create(const Pairs& pairs);
  void Destroy(Widget* target, int id);
  void AddChild(Widget* target, const Pairs& pairs, bool window);
  bool WouldCycle(const Widget& parent, const Widget& child) const;
  void GetValue(Widget* target, const Pairs& pairs);
  void WriteText(Widget& edit, void* buffer);
  void SetValue(Widget* target, const Pairs& pairs);
  void CallMethod(Widget* target, const Pairs& pairs);

  void Breach(BreachKind kind, std::string what) {
    breaches_.push_back({calls_.size() - 1, kind, std::move(what)});
  }
  // Writes an out-value unless the host is told to answer nothing.
  template <class T>
  void Answer(void* value, T answer) const {
    if (value == nullptr || faults_.writeNoOutValues) return;
    std::memcpy(value, &answer, sizeof answer);
  }

  std::unordered_map<int, Widget> widgets_;  // references stay valid as it grows
  int nextID_ = 100;
  // The "text.length" each edit last reported: the size of the caller's
  // buffer for the "text" that follows.
  std::unordered_map<int, int> reportedTextLengths_;
  WidgetFaults faults_;
  std::shared_ptr<DialogDriver> driver_;
  std::vector<RecordedCall> calls_;
  std::vector<ProtocolBreach> breaches_;
  int executions_ = 0;
};

}  // namespace refhost
