#pragma once

#include <cstdint>

// The host's identifier of one of its widgets; 0 means none, and every other
// value (-1 included) names a widget.
using WidgetID = std::int32_t;
