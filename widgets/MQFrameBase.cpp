#include "widgets/MQFrameBase.h"

MQFrameBase::MQFrameBase() = default;

void MQFrameBase::SetAlignment(const char* alignment) {
  SetProperty(widget_key::kAlignment, alignment);
}
