#pragma once

#include "widgets/MQWidgetBase.h"

// A host spin box holding a double, created with the wrapper.
class MQDoubleSpinBox : public MQWidgetBase {
 public:
  MQDoubleSpinBox();

  void SetMin(double value);
  void SetMax(double value);
  void SetIncrement(double value);
  void SetPosition(double value);
  // The current value; 0.0 when the host does not answer.
  double GetPosition() const;
};
