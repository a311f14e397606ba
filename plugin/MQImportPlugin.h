#pragma once

#include <cstdint>

#include "abi/HostApi.h"
#include "plugin/MQBasePlugin.h"

// A file plug-in (types 1 and 2): the file exports reach its strings and its
// file operation through the first three slots. Event 301 stores its two
// members; event 300 calls OnEvent300.
class MQImportPlugin : public MQBasePlugin {
 public:
  virtual const char* EnumFileType(int index) = 0;
  virtual const char* EnumFileExt(int index) = 0;
  virtual int ImportFile(int index, const char* filename, MQDocument doc) = 0;
  virtual int OnEvent300() = 0;

  std::int32_t background = 0;
  void* args = nullptr;
};
