#include "widgets/MQFrameBase.h"

MQFrameBase::MQFrameBase() = default;

void MQFrameBase::SetAlignment(const char* alignment) { SetProperty("alignment", alignment); }
