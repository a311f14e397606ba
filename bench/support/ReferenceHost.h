#pragma once

#include <filesystem>
#include <string>

#include "plugin/HostFunctionTable.h"
#include "refhost/host/Host.h"
#include "refhost/host/LibraryPath.h"

// The reference host as the benchmarks use it: loaded into this process as a
// real host is, with the plug-in's host table bound to its exports.
namespace bench {

// A module built beside the reference host library, whatever the working folder.
inline std::string BuiltModulePath(const std::string& stem) {
  const std::filesystem::path folder = std::filesystem::path(refhost::LibraryPath()).parent_path();
  return (folder / (stem + BLENDFORGE_MODULE_SUFFIX)).string();
}

// Binds the table once per process; false when the reference host lacks an export.
inline bool BindHostTable() {
  static const bool bound = host::BindHostFunctions(refhost::LibraryPath().c_str()) == 1;
  return bound;
}

// An empty document in a host that holds nothing else, so that no earlier
// benchmark's objects or widgets stay alive.
inline refhost::Document& FreshDocument() {
  refhost::Host::Instance().Reset();
  return refhost::Host::Instance().NewDocument();
}

}  // namespace bench
