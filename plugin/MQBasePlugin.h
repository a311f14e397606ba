#pragma once

#include <cstdint>

// Root of the plug-in class family. The exports reach a plug-in only through
// these virtual operations, so their order is part of the host boundary.
class MQBasePlugin {
 public:
  virtual ~MQBasePlugin() = default;
  // Writes the product identifier through `product` and the plug-in
  // identifier through `id`.
  virtual void GetPlugInID(std::uint32_t* product, std::uint32_t* id) = 0;
  // Constant ASCII display string.
  virtual const char* GetPlugInName() = 0;
  // The type code by which the exports decide what to offer the host.
  virtual int GetPlugInType() = 0;
};
