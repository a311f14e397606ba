#pragma once

#include "widgets/MQWidgetBase.h"

// The common base of layout frames, which line up their children.
class MQFrameBase : public MQWidgetBase {
 public:
  // "horz" or "vert".
  void SetAlignment(const char* alignment);

 protected:
  // Creates nothing: the derived frame binds its own kind.
  MQFrameBase();
};
