#pragma once

#include "abi/HostApi.h"
#include "plugin/MQCommandPlugin.h"

// Whether `code` is mouse (120 to 130) or key (140, 141) input, which only
// command plug-ins take.
bool IsCommandEvent(int code);

// Builds the input record that command event `code` carries in `option` and
// forwards it with the scene; answers the operation's result.
int DispatchCommandEvent(MQCommandPlugin& plugin, MQDocument doc, int code, void* option);
