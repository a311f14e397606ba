#pragma once

#include "merge/CMQObject.h"

// Adds weight × (target − base) to the vertices of `newObject` that the base
// uses and where target and base differ, in 32-bit float. False, with nothing
// read or written, when the target is not valid or its vertex count is not
// the base's.
bool AddWeightedDelta(double weight, const cmq::CMQObject& newObject, const cmq::CMQObject& base,
                      const cmq::CMQObject& target);
