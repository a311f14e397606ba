#include "widgets/MQButton.h"

#include <cstdint>

MQButton::MQButton() { BindNewWidget(widget_kind::kButton); }

void MQButton::SetText(const std::u16string& text) { SetProperty(widget_key::kText, text.c_str()); }

void MQButton::SetDefault(bool flag) { SetFlag(widget_key::kDefault, flag); }

void MQButton::SetCancel(bool flag) { SetFlag(widget_key::kCancel, flag); }

void MQButton::SetModalResult(int value) {
  const std::int32_t result = value;
  SetProperty(widget_key::kModalResult, &result);
}
