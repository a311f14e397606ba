#include "widgets/MQDialog.h"

#include <cstdint>

MQDialog::MQDialog(MQWindowBase& parent) {
  BindNewWidget(widget_kind::kDialog);
  parent.AddChildWindow(this);
}

void MQDialog::SetTitle(const std::u16string& text) {
  SetProperty(widget_key::kTitle, text.c_str());
}

int MQDialog::ExecuteModal() {
  std::int32_t result = 0;
  SendWidgetValues(GetID(), WidgetOp::Execute,
                   {{widget_key::kType, kExecuteModal}, {widget_key::kResult, &result}});
  return result;
}
