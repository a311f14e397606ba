#include "plugin/Blendforge.h"

bool Blendforge::RunMergeDialog() { return false; }
