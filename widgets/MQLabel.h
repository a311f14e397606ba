#pragma once

#include <string>

#include "widgets/MQWidgetBase.h"

// A host text label, created with the wrapper.
class MQLabel : public MQWidgetBase {
 public:
  MQLabel();

  void SetText(const std::u16string& text);
};
