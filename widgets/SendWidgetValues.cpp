#include "widgets/SendWidgetValues.h"

void SendWidgetValues(WidgetID target, WidgetOp op) {
  void* emptyList[] = {nullptr};
  HOST_FN(MQWidget_Value)(target, static_cast<int>(op), emptyList);
}
