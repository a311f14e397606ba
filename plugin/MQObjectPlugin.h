#pragma once

#include "plugin/MQMenuBasePlugin.h"

// A menu plug-in that works on the objects of a document (type 4).
class MQObjectPlugin : public MQMenuBasePlugin {};
