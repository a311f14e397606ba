#pragma once

#include <string>

#include "widgets/MQWidgetBase.h"

// A host single-line edit box, created with the wrapper.
class MQEdit : public MQWidgetBase {
 public:
  MQEdit();

  void SetText(const std::u16string& text);
  void SetReadOnly(bool flag);
  // The content up to the first NUL the host writes, and never more than
  // the length it reported; empty, after one call, when that length is not
  // positive.
  std::u16string GetText() const;
};
