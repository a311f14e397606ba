#pragma once

#include "abi/HostApi.h"
#include "plugin/MQBasePlugin.h"

// What the string and file exports offer a plug-in, by its type code:
// 1 and 2 file plug-ins, 3 to 5 menu plug-ins, 6 and 7 single-string
// plug-ins. A plug-in whose class does not match its code gets nothing.
const char* EnumStringByType(MQBasePlugin& plugin, int index);
const char* EnumFileTypeByType(MQBasePlugin& plugin, int index);
const char* EnumFileExtByType(MQBasePlugin& plugin, int index);
int FileOperationByType(MQBasePlugin& plugin, int index, const char* filename, MQDocument doc);
