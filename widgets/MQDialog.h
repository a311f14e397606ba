#pragma once

#include <string>

#include "widgets/MQWindowBase.h"

// A dialog window created under a parent window and run modally.
class MQDialog : public MQWindowBase {
 public:
  // Creates the host dialog and attaches it to `parent`, the latter even
  // when the host created nothing.
  explicit MQDialog(MQWindowBase& parent);

  void SetTitle(const std::u16string& text);
  // Returns once the user has closed the dialog: the ModalResult of the
  // closing button, or 0 when the host reports none.
  int ExecuteModal();
};
