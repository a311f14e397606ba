#pragma once

#include "abi/HostApi.h"
#include "plugin/MQStationPlugin.h"

// Whether `code` is an event that every station plug-in takes.
bool IsStationEvent(int code);

// Reads what station event `code` carries from `option`, forwards it to the
// plug-in's operation for that event and answers the host's result.
int DispatchStationEvent(MQStationPlugin& plugin, MQDocument doc, int code, void* option);
