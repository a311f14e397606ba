#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "refhost/Document.h"

// The reference host's C++ control interface, beside its C exports. Tests,
// benchmarks and the command line use it to build documents, choose fault
// modes and read the record of the plug-in's calls.
namespace refhost {

// What a recorded document or object call touched.
struct HostCall {
  std::string function;   // the export's name, e.g. "MQObj_SetVertex"
  const void* target;     // the document or object it was called on
  int index;              // the vertex index or key, -1 when none
};

struct DocumentFaults {
  // MQObj_GetName fills the whole buffer and writes no terminator.
  bool unterminatedNames = false;
};

class Host {
 public:
  // The one host of the process, which the C exports serve.
  static Host& Instance();

  // A new empty document, owned by the host.
  Document& NewDocument();
  // Forgets every document, object and widget, and resets faults and records.
  void Reset();

  // A new object in no document (as MQObj_Clone makes it).
  Object& NewObject();

  DocumentFaults& faults();

  // Records document and object calls while enabled (off by default, so
  // benchmarks pay nothing).
  void SetRecording(bool on);
  const std::vector<HostCall>& calls() const;
  void ClearCalls();
};

}  // namespace refhost
