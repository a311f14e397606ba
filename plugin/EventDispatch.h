#pragma once

#include "plugin/HostApi.h"
#include "plugin/MQBasePlugin.h"

// Forwards host event `code` with its option block to the operation of
// `plugin` that takes it; 0 when no operation does.
int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int code, void* option);
