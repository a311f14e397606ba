#pragma once

#include "abi/HostApi.h"
#include "plugin/MQBasePlugin.h"

// A plug-in with menu entries (types 3 to 5): one string per index, and a
// command run with an index and the host's document.
class MQMenuBasePlugin : public MQBasePlugin {
 public:
  // Constant ASCII menu string for `index`, or null past the last entry.
  virtual const char* EnumString(int index) = 0;
  // Runs menu command `index` on `document`; 1 when it changed the document.
  virtual int ModifyObject(int index, MQDocument document) = 0;
};
