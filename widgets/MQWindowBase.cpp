#include "widgets/MQWindowBase.h"

#include <cstdint>
#include <memory>

#include "widgets/MQButton.h"
#include "widgets/MQDoubleSpinBox.h"
#include "widgets/MQEdit.h"
#include "widgets/MQFrame.h"
#include "widgets/MQLabel.h"
#include "widgets/MQListBox.h"

namespace {
template <class Widget>
Widget* PlaceIn(MQWidgetBase* parent, Widget* child) {
  if (parent != nullptr) parent->AddChild(child);
  return child;
}
}  // namespace

MQWindowBase::MQWindowBase() = default;

MQWindowBase::MQWindowBase(WidgetID id) : MQWidgetBase(id) {}

MQWindowBase::~MQWindowBase() {
  while (!created_.empty()) {
    const auto first = created_.begin();
    delete *first;
    created_.erase(first);
  }
}

void MQWindowBase::AddChildWindow(MQWindowBase* window) {
  if (window == nullptr) return;
  const WidgetID child = window->GetID();
  std::int32_t result = -1;
  SendWidgetValues(GetID(), WidgetOp::AddChildWindow,
                   {{widget_key::kChild, &child}, {widget_key::kResult, &result}});
}

template <class Widget>
Widget* MQWindowBase::Adopt() {
  auto widget = std::make_unique<Widget>();
  // Should the set fail to grow, the unique pointer still deletes the widget.
  created_.insert(widget.get());
  return widget.release();
}

template <class Widget>
Widget* MQWindowBase::CreateWithText(MQWidgetBase* parent, const std::u16string& text) {
  Widget* widget = Adopt<Widget>();
  widget->SetText(text);
  return PlaceIn(parent, widget);
}

MQFrame* MQWindowBase::CreateFrame(MQWidgetBase* parent, const char* alignment) {
  MQFrame* frame = Adopt<MQFrame>();
  frame->SetAlignment(alignment);
  return PlaceIn(parent, frame);
}

MQFrame* MQWindowBase::CreateHorzFrame(MQWidgetBase* parent) { return CreateFrame(parent, "horz"); }

MQFrame* MQWindowBase::CreateVertFrame(MQWidgetBase* parent) { return CreateFrame(parent, "vert"); }

MQButton* MQWindowBase::CreateButton(MQWidgetBase* parent, const std::u16string& text) {
  return CreateWithText<MQButton>(parent, text);
}

MQListBox* MQWindowBase::CreateListBox(MQWidgetBase* parent) {
  return PlaceIn(parent, Adopt<MQListBox>());
}

MQLabel* MQWindowBase::CreateLabel(MQWidgetBase* parent, const std::u16string& text) {
  return CreateWithText<MQLabel>(parent, text);
}

MQEdit* MQWindowBase::CreateEdit(MQWidgetBase* parent, const std::u16string& text) {
  return CreateWithText<MQEdit>(parent, text);
}

MQDoubleSpinBox* MQWindowBase::CreateDoubleSpinBox(MQWidgetBase* parent) {
  return PlaceIn(parent, Adopt<MQDoubleSpinBox>());
}
