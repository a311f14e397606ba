#include "widgets/MQEdit.h"

#include <algorithm>
#include <cstdint>

MQEdit::MQEdit() { BindNewWidget(widget_kind::kEdit); }

void MQEdit::SetText(const std::u16string& text) { SetProperty(widget_key::kText, text.c_str()); }

void MQEdit::SetReadOnly(bool flag) { SetFlag(widget_key::kReadOnly, flag); }

std::u16string MQEdit::GetText() const {
  const std::int32_t length = GetProperty<std::int32_t>(widget_key::kTextLength, 0);
  if (length <= 0) return {};
  // One unit more for the terminator; zero-filled, so an unwritten buffer
  // reads as empty.
  std::u16string buffer(static_cast<std::size_t>(length) + 1, u'\0');
  SendWidgetValues(GetID(), WidgetOp::GetValue, {{widget_key::kText, buffer.data()}});
  // A host that writes no terminator must not make the text longer than it said.
  const auto end = std::find(buffer.begin(), buffer.begin() + length, u'\0');
  buffer.erase(end, buffer.end());
  return buffer;
}
