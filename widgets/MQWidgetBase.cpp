#include "widgets/MQWidgetBase.h"

#include "widgets/WidgetRegistry.h"

MQWidgetBase::MQWidgetBase() = default;

MQWidgetBase::MQWidgetBase(WidgetID id) : id_(id) {
  if (id_ != 0) WidgetRegistry::Instance().Insert(id_, this);
}

MQWidgetBase::~MQWidgetBase() {
  if (id_ != 0) {
    // No one may find the wrapper through the registry once its host widget
    // is gone.
    WidgetRegistry::Instance().Remove(id_);
    if (owns_) SendWidgetValues(id_, WidgetOp::Destroy);
    id_ = 0;
    owns_ = false;
  }
  // Front to back; the container's own destruction order is unspecified.
  for (std::shared_ptr<void>& reference : attached_) reference.reset();
}

WidgetID MQWidgetBase::GetID() const { return id_; }

int MQWidgetBase::AddChild(MQWidgetBase* child) {
  if (child == nullptr) return -1;
  const WidgetID childID = child->id_;
  std::int32_t result = -1;
  SendWidgetValues(id_, WidgetOp::AddChild,
                   {{widget_key::kChild, &childID}, {widget_key::kResult, &result}});
  return result;
}

void MQWidgetBase::SetHorzLayout(const char* mode) { SetProperty(widget_key::kHorzLayout, mode); }

void MQWidgetBase::SetVertLayout(const char* mode) { SetProperty(widget_key::kVertLayout, mode); }

void MQWidgetBase::SetFillBeforeRate(double rate) {
  SetProperty(widget_key::kFillBeforeRate, &rate);
}

WidgetID MQWidgetBase::GetMainWindowID() {
  WidgetID result = -1;
  SendWidgetValues(0, WidgetOp::GetSystem,
                   {{widget_key::kSystem, kMainWindowSystemName}, {widget_key::kResult, &result}});
  return result;
}

void MQWidgetBase::BindNewWidget(const char* kind) {
  SendWidgetValues(0, WidgetOp::Create, {{widget_key::kType, kind}, {widget_key::kID, &id_}});
  if (id_ == 0) return;
  // Owned before registering, so that a failed registration still destroys
  // the host widget.
  owns_ = true;
  WidgetRegistry::Instance().Insert(id_, this);
}

void MQWidgetBase::SetProperty(const char* key, const void* value) {
  SendWidgetValues(id_, WidgetOp::SetValue, {{key, value}});
}

void MQWidgetBase::SetFlag(const char* key, bool flag) {
  const std::uint8_t byte = flag ? 1 : 0;
  SetProperty(key, &byte);
}
