#pragma once

#include <string>

#include "widgets/MQWidgetBase.h"

// A host push button, created with the wrapper.
class MQButton : public MQWidgetBase {
 public:
  MQButton();

  void SetText(const std::u16string& text);
  // Marks the button that Enter presses.
  void SetDefault(bool flag);
  // Marks the button that Escape presses.
  void SetCancel(bool flag);
  // The ModalResult value with which this button closes a modal dialog.
  void SetModalResult(int value);
};
