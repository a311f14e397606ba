#include "widgets/MQButton.h"

#include <cstdint>

MQButton::MQButton() { BindNewWidget("button"); }

void MQButton::SetText(const std::u16string& text) { SetProperty("text", text.c_str()); }

void MQButton::SetDefault(bool flag) { SetFlag("default", flag); }

void MQButton::SetCancel(bool flag) { SetFlag("cancel", flag); }

void MQButton::SetModalResult(int value) {
  const std::int32_t result = value;
  SetProperty("modalresult", &result);
}
