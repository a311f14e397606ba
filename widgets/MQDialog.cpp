#include "widgets/MQDialog.h"

#include <cstdint>

MQDialog::MQDialog(MQWindowBase& parent) {
  BindNewWidget("dialog");
  parent.AddChildWindow(this);
}

void MQDialog::SetTitle(const std::u16string& text) { SetProperty("title", text.c_str()); }

int MQDialog::ExecuteModal() {
  std::int32_t result = 0;
  SendWidgetValues(GetID(), WidgetOp::Execute, {{"type", "modal"}, {"result", &result}});
  return result;
}
