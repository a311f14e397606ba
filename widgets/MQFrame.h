#pragma once

#include "widgets/MQFrameBase.h"

// A host layout frame, created with the wrapper.
class MQFrame : public MQFrameBase {
 public:
  MQFrame();
};
