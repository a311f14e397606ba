#pragma once

#include "abi/HostApi.h"
#include "plugin/MQBasePlugin.h"

// Forwards host event `code` to the operation that takes it, when `plugin` is
// a station, command or import plug-in; 0 when no operation does. `option`
// is the event's option block, or for events 100 and 102 a pointer to one
// 32-bit flag; only its output keys are ever written.
int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int code, void* option);
