#include "widgets/MQListBox.h"

MQListBox::MQListBox() { BindNewWidget(widget_kind::kListBox); }

int MQListBox::AddItem(const std::u16string& text, std::uint64_t tag) {
  std::int32_t result = -1;
  SendWidgetValues(GetID(), WidgetOp::CallMethod,
                   {{widget_key::kAddItem, nullptr},
                    {widget_key::kText, text.c_str()},
                    {widget_key::kResult, &result},
                    {widget_key::kTag, &tag}});
  return result;
}

int MQListBox::GetCurrentIndex() const {
  return GetProperty<std::int32_t>(widget_key::kCurrentIndex, 0);
}

std::uint64_t MQListBox::GetItemTag(int index) const {
  const std::int32_t item = index;
  std::uint64_t tag = 0;
  // The index precedes the tag so that the host knows which item is meant.
  SendWidgetValues(GetID(), WidgetOp::GetValue,
                   {{widget_key::kIndex, &item}, {widget_key::kItemTag, &tag}});
  return tag;
}
