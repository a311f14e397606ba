#pragma once

#include "merge/Blendforge.h"

// The module's one plug-in object, created on the first call and destroyed
// when the module is unloaded. Not synchronised: the host calls the entry
// points one at a time.
Blendforge& GetPlugInObject();

// Whether the first call has happened yet.
bool IsPlugInObjectConstructed();
