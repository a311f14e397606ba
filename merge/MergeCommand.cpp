#include "plugin/Blendforge.h"

int Blendforge::MergeMorphTargets() { return 0; }
