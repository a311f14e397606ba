#pragma once

// One pair of a widget value list. The key decides the type of the value
// that `value` points to; out-values are written by the host through it.
struct WidgetValue {
  const char* key;
  const void* value;
};
