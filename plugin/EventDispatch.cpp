#include "plugin/EventDispatch.h"

int DispatchEvent(MQBasePlugin&, MQDocument, int, void*) { return 0; }
