#include "widgets/MQListBox.h"

MQListBox::MQListBox() { BindNewWidget("listbox"); }

int MQListBox::AddItem(const std::u16string& text, std::uint64_t tag) {
  std::int32_t result = -1;
  SendWidgetValues(
      GetID(), WidgetOp::CallMethod,
      {{"additem", nullptr}, {"text", text.c_str()}, {"result", &result}, {"tag", &tag}});
  return result;
}

int MQListBox::GetCurrentIndex() const { return GetProperty<std::int32_t>("currentindex", 0); }

std::uint64_t MQListBox::GetItemTag(int index) const {
  const std::int32_t item = index;
  std::uint64_t tag = 0;
  // The index precedes the tag so that the host knows which item is meant.
  SendWidgetValues(GetID(), WidgetOp::GetValue, {{"index", &item}, {"item.tag", &tag}});
  return tag;
}
