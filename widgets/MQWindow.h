#pragma once

#include "widgets/MQWindowBase.h"

// The host's main window, wrapped for use as a dialog's parent. The plug-in
// never creates or destroys it.
class MQWindow : public MQWindowBase {
 public:
  MQWindow();
};
