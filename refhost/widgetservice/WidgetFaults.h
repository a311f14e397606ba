#pragma once

namespace refhost {

// Ways the host can misbehave, for tests of how the plug-in copes.
struct WidgetFaults {
  bool writeNoOutValues = false;    // the host answers nothing and so creates nothing
  bool createFails = false;         // Create leaves "id" at 0
  bool noMainWindow = false;        // GetSystem unanswered
  bool negativeTextLength = false;  // "text.length" reported as -1
  bool unterminatedText = false;    // "text" written without its NUL
};

}  // namespace refhost
