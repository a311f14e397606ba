#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/document/Document.h"
#include "refhost/document/Handles.h"

// The reference host's C++ control interface, beside its C exports. Tests,
// benchmarks and the command line use it to build documents, choose fault
// modes and read the record of the plug-in's calls.
namespace refhost {

// What a recorded document or object call touched.
struct HostCall {
  std::string function;  // the export's name, e.g. "MQObj_SetVertex"
  const void* target;    // the document or object it was called on
  int index;             // the vertex index or key, -1 when none
};

struct DocumentFaults {
  // MQObj_GetName fills the whole buffer and writes no terminator.
  bool unterminatedNames = false;
};

class REFHOST_API Host final : public ObjectStore {
 public:
  // The one host of the process, which the C exports serve.
  static Host& Instance();

  // A new empty document, owned by the host.
  Document& NewDocument();
  // Frees `document` and the objects it holds, so that a process that opens
  // model after model keeps only those still open. Their handles and unique
  // IDs then name nothing, and are never given out again.
  void CloseDocument(const Document& document);
  // Forgets every document, object and widget, and resets faults, records
  // and misuses; unique IDs start again from 1.
  void Reset();

  // A new object in no document, with the next unique ID.
  Object& NewObject() override;
  // A copy of `source` in no document, with the next unique ID (MQObj_Clone).
  Object& CloneObject(const Object& source);

  DocumentFaults& faults();

  // Records document and object calls while enabled (off by default, so
  // benchmarks pay nothing).
  void SetRecording(bool on);
  const std::vector<HostCall>& calls() const;

  // Every call the plug-in made with an argument the host cannot serve (a
  // null or foreign reference, an index out of range, a null buffer). A sound
  // plug-in leaves this empty.
  const std::vector<std::string>& misuses() const;

  // For the C exports: what a reference names, null for none or a foreign one.
  Object* ObjectFromHandle(MQObject handle) const {
    return BySerial(objects_, handles::Decode(handle, handles::kObjectTag));
  }
  // For the fast path of the per-vertex host functions, defined here so that
  // they inline it: the same, but null for every reference while calls are
  // recorded, so that recorded calls take the careful path and the fast path
  // tests nothing else.
  Object* ServedObject(MQObject handle) const {
    return BySerial(objects_, handles::Decode(handle, handles::kObjectTag), servedObjects_);
  }
  Document* DocumentFromHandle(MQDocument handle) const;
  Object* ObjectByUniqueID(int id) const override;

  void Record(const char* function, const void* target, int index) {
    if (recording_) AppendCall(function, target, index);
  }
  void RecordMisuse(const char* function, const std::string& what);

 private:
  // The item numbered `serial` from 1 among the first `served` of `items`,
  // or null when there is none. Serial 0 wraps to the largest slot, so one
  // comparison rejects it too.
  template <class T>
  static T* BySerial(const std::vector<std::unique_ptr<T>>& items, std::uintptr_t serial,
                     std::size_t served) {
    const std::uintptr_t slot = serial - 1;
    return slot < served ? items[slot].get() : nullptr;
  }
  template <class T>
  static T* BySerial(const std::vector<std::unique_ptr<T>>& items, std::uintptr_t serial) {
    return BySerial(items, serial, items.size());
  }

  int NextUniqueID() const;
  void UpdateServedObjects();
  Object& Keep(std::unique_ptr<Object> object);
  void AppendCall(const char* function, const void* target, int index);

  std::vector<std::unique_ptr<Document>> documents_;
  // Indexed by unique ID - 1, so that a lookup by ID or handle is one load.
  std::vector<std::unique_ptr<Object>> objects_;
  // How many of objects_ ServedObject finds: all of them, or none while
  // recording.
  std::size_t servedObjects_ = 0;
  DocumentFaults faults_;
  bool recording_ = false;
  std::vector<HostCall> calls_;
  std::vector<std::string> misuses_;
};

}  // namespace refhost
