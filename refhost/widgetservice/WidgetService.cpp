#include "refhost/widgetservice/WidgetService.h"

#include <algorithm>

#include "abi/WidgetProtocol.h"

namespace refhost {

WidgetService& WidgetService::Instance() {
  static WidgetService service;
  return service;
}

WidgetService::WidgetService() { Reset(); }

void WidgetService::Reset() {
  widgets_.clear();
  Widget& mainWindow = widgets_[kMainWindowID];
  mainWindow.id = kMainWindowID;
  mainWindow.kind = kMainWindowSystemName;
  nextID_ = 100;
  reportedTextLengths_.clear();
  faults_ = WidgetFaults();
  driver_.reset();
  ClearRecord();
  executions_ = 0;
}

void WidgetService::ClearRecord() {
  calls_.clear();
  breaches_.clear();
}

const Widget* WidgetService::Find(int id) const {
  auto found = widgets_.find(id);
  return found == widgets_.end() ? nullptr : &found->second;
}

Widget* WidgetService::FindMutable(int id) {
  auto found = widgets_.find(id);
  return found == widgets_.end() ? nullptr : &found->second;
}

std::vector<const Widget*> WidgetService::Created() const {
  std::vector<const Widget*> created;
  for (const auto& entry : widgets_) {
    if (entry.first != kMainWindowID) created.push_back(&entry.second);
  }
  std::sort(created.begin(), created.end(),
            [](const Widget* a, const Widget* b) { return a->id < b->id; });
  return created;
}

std::vector<const Widget*> WidgetService::CreatedOfKind(const std::string& kind) const {
  std::vector<const Widget*> ofKind;
  for (const Widget* widget : Created()) {
    if (widget->kind == kind) ofKind.push_back(widget);
  }
  return ofKind;
}

void WidgetService::Value(int id, int code, void** values) {
  // Any 32-bit code fits the enumeration; Dispatch flags those it lacks.
  const auto op = static_cast<WidgetOp>(code);
  calls_.push_back({id, op, {}});
  Widget* target = Target(id);
  const Pairs pairs = ReadValueList(op, target ? target->kind : "", values, calls_.back(),
                                    calls_.size() - 1, breaches_);
  Dispatch(target, id, op, pairs);
}

Widget* WidgetService::Target(int id) {
  Widget* widget = FindMutable(id);
  if (widget == nullptr || !widget->destroyed) return widget;
  Breach(BreachKind::BadTarget, "call to widget " + std::to_string(id) + " after its Destroy");
  return nullptr;
}

void WidgetService::Dispatch(Widget* target, int id, WidgetOp code, const Pairs& pairs) {
  const bool addressesNoWidget = code == WidgetOp::Create || code == WidgetOp::GetSystem;
  if (addressesNoWidget && id != 0) {
    Breach(BreachKind::BadTarget, "Create and GetSystem go to target 0");
  }
  switch (code) {
    case WidgetOp::Execute:
      return Execute(target, pairs);
    case WidgetOp::GetSystem:
      return GetSystem(pairs);
    case WidgetOp::Create:
      return Create(pairs);
    case WidgetOp::Destroy:
      return Destroy(target, id);
    case WidgetOp::AddChild:
      return AddChild(target, pairs, false);
    case WidgetOp::AddChildWindow:
      return AddChild(target, pairs, true);
    case WidgetOp::GetValue:
      return GetValue(target, pairs);
    case WidgetOp::SetValue:
      return SetValue(target, pairs);
    case WidgetOp::CallMethod:
      return CallMethod(target, pairs);
    default:
      Breach(BreachKind::UnknownCode,
             "unknown operation code " + std::to_string(static_cast<int>(code)));
  }
}

}  // namespace refhost
