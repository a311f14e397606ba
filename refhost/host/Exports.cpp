// The host functions as C exports, found by name when a plug-in's MQInit binds
// this module. Of the 18 that the plug-in calls, the document and object
// functions serve the document model: each checks what the plug-in passes,
// answers a neutral value to a reference or index it cannot serve, and notes
// that as a misuse. MQWidget_Value belongs to the widget service.
#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

#include "abi/Export.h"
#include "abi/HostApi.h"
#include "abi/HostFunctionList.h"
#include "refhost/host/ColdPath.h"
#include "refhost/host/Host.h"
#include "refhost/host/variants/StubFunction.h"
#include "refhost/widgetservice/WidgetService.h"

// Every function the plug-in calls is exported by name with the signature the
// plug-in calls it with: a definition below that differs does not compile.
#define REFHOST_EXPORT_SERVED(name) BLENDFORGE_EXPORT std::remove_pointer_t<hostapi::name> name;
#define REFHOST_NOT_SERVED(name)
BLENDFORGE_HOST_FUNCTIONS(REFHOST_EXPORT_SERVED, REFHOST_NOT_SERVED)
#undef REFHOST_EXPORT_SERVED
#undef REFHOST_NOT_SERVED

namespace {

using refhost::Document;
using refhost::Host;
using refhost::Object;

// Fills the rest of a buffer when the unterminated-name fault is on.
constexpr char kNameFiller = '*';

// The one host, found once when the library loads, so that a call reaches it
// with one load.
Host& theHost = Host::Instance();

Host& Called(const char* function, const void* target, int index = -1) {
  theHost.Record(function, target, index);
  return theHost;
}

Document* DocumentOf(Host& host, const char* function, MQDocument handle) {
  Document* document = host.DocumentFromHandle(handle);
  if (document == nullptr) host.RecordMisuse(function, "names no document of this host");
  return document;
}

Object* ObjectOf(Host& host, const char* function, MQObject handle) {
  Object* object = host.ObjectFromHandle(handle);
  if (object == nullptr) host.RecordMisuse(function, "names no object of this host");
  return object;
}

Object* VertexOwner(Host& host, const char* function, MQObject handle, int index) {
  Object* object = ObjectOf(host, function, handle);
  if (object == nullptr || object->HasVertex(index)) return object;
  host.RecordMisuse(function, "vertex index " + std::to_string(index) + " out of range");
  return nullptr;
}

bool Present(Host& host, const char* function, const void* pointer, const char* what) {
  if (pointer != nullptr) return true;
  host.RecordMisuse(function, std::string("null ") + what);
  return false;
}

MQObject HandleOf(const Object* object) { return object == nullptr ? nullptr : object->handle(); }

void CopyName(const std::string& name, char* buffer, int size, bool terminated) {
  const auto room = static_cast<std::size_t>(terminated ? size - 1 : size);
  const std::size_t length = std::min(name.size(), room);
  std::memcpy(buffer, name.data(), length);
  if (terminated) {
    buffer[length] = '\0';
    return;
  }
  std::memset(buffer + length, kNameFiller, room - length);
}

// The per-vertex functions run once per vertex, so their fast path serves a
// sound call and makes no call of its own. Anything else, a misuse or any
// call while the host records, takes the careful path, which serves it as
// the other host functions do.
REFHOST_COLD_PATH int CountVerticesCarefully(MQObject obj) {
  Host& host = Called("MQObj_GetVertexCount", obj);
  const Object* object = ObjectOf(host, "MQObj_GetVertexCount", obj);
  return object == nullptr ? 0 : object->VertexCount();
}

REFHOST_COLD_PATH void GetVertexCarefully(MQObject obj, int index, MQPoint* point) {
  Host& host = Called("MQObj_GetVertex", obj, index);
  const Object* object = VertexOwner(host, "MQObj_GetVertex", obj, index);
  if (object != nullptr && Present(host, "MQObj_GetVertex", point, "point"))
    *point = object->Vertex(index);
}

REFHOST_COLD_PATH void SetVertexCarefully(MQObject obj, int index, const MQPoint* point) {
  Host& host = Called("MQObj_SetVertex", obj, index);
  Object* object = VertexOwner(host, "MQObj_SetVertex", obj, index);
  if (object != nullptr && Present(host, "MQObj_SetVertex", point, "point"))
    object->SetVertex(index, *point);
}

REFHOST_COLD_PATH int CountReferencesCarefully(MQObject obj, int index) {
  Host& host = Called("MQObj_GetVertexRefCount", obj, index);
  const Object* object = VertexOwner(host, "MQObj_GetVertexRefCount", obj, index);
  return object == nullptr ? 0 : object->RefCount(index);
}

}  // namespace

extern "C" int MQDoc_GetObjectCount(MQDocument doc) {
  Host& host = Called(__func__, doc);
  Document* document = DocumentOf(host, __func__, doc);
  return document == nullptr ? 0 : document->ObjectCount();
}

// Out-of-range indices are no misuse: the plug-in passes the current index on
// unchecked, and "no current object" is a normal answer.
extern "C" MQObject MQDoc_GetObject(MQDocument doc, int index) {
  Host& host = Called(__func__, doc, index);
  Document* document = DocumentOf(host, __func__, doc);
  return document == nullptr ? nullptr : HandleOf(document->ObjectAt(index));
}

extern "C" MQObject MQDoc_GetObjectFromUniqueID(MQDocument doc, int uniqueID) {
  Host& host = Called(__func__, doc, uniqueID);
  Document* document = DocumentOf(host, __func__, doc);
  return document == nullptr ? nullptr : HandleOf(document->FindByUniqueID(uniqueID));
}

extern "C" int MQDoc_GetCurrentObjectIndex(MQDocument doc) {
  Host& host = Called(__func__, doc);
  Document* document = DocumentOf(host, __func__, doc);
  return document == nullptr ? -1 : document->currentIndex();
}

extern "C" int MQDoc_GetObjectIndex(MQDocument doc, MQObject obj) {
  Host& host = Called(__func__, doc);
  Document* document = DocumentOf(host, __func__, doc);
  Object* object = ObjectOf(host, __func__, obj);
  if (document == nullptr || object == nullptr) return -1;
  return document->IndexOf(object);
}

// Returns the new object's index, or -1 when it was refused.
extern "C" int MQDoc_InsertObject(MQDocument doc, MQObject obj, MQObject before) {
  Host& host = Called(__func__, doc);
  Document* document = DocumentOf(host, __func__, doc);
  Object* object = ObjectOf(host, __func__, obj);
  if (document == nullptr || object == nullptr) return -1;
  if (object->document() != nullptr) {
    host.RecordMisuse(__func__, "the object is already held by a document");
    return -1;
  }
  const Object* reference = host.ObjectFromHandle(before);
  if (before != nullptr && reference == nullptr)
    host.RecordMisuse(__func__, "foreign reference object");
  return document->InsertAfter(*object, reference);
}

extern "C" MQObject MQObj_Clone(MQObject obj) {
  Host& host = Called(__func__, obj);
  Object* object = ObjectOf(host, __func__, obj);
  return object == nullptr ? nullptr : host.CloneObject(*object).handle();
}

extern "C" int MQObj_GetName(MQObject obj, char* buffer, int size) {
  Host& host = Called(__func__, obj);
  Object* object = ObjectOf(host, __func__, obj);
  if (object == nullptr || !Present(host, __func__, buffer, "buffer")) return 0;
  if (size <= 0) {
    host.RecordMisuse(__func__, "buffer size " + std::to_string(size));
    return 0;
  }
  CopyName(object->name(), buffer, size, !host.faults().unterminatedNames);
  return 1;
}

extern "C" int MQObj_SetName(MQObject obj, const char* name) {
  Host& host = Called(__func__, obj);
  Object* object = ObjectOf(host, __func__, obj);
  if (object == nullptr || !Present(host, __func__, name, "name")) return 0;
  object->SetName(name);
  return 1;
}

extern "C" int MQObj_GetVertexCount(MQObject obj) {
  const Object* object = theHost.ServedObject(obj);
  if (object == nullptr) return CountVerticesCarefully(obj);
  return object->VertexCount();
}

extern "C" void MQObj_GetVertex(MQObject obj, int index, MQPoint* point) {
  const Object* object = theHost.ServedObject(obj);
  if (object == nullptr || !object->HasVertex(index) || point == nullptr)
    return GetVertexCarefully(obj, index, point);
  *point = object->vertices()[index];
}

extern "C" void MQObj_SetVertex(MQObject obj, int index, MQPoint* point) {
  Object* object = theHost.ServedObject(obj);
  if (object == nullptr || !object->HasVertex(index) || point == nullptr)
    return SetVertexCarefully(obj, index, point);
  object->SetVertexUnchecked(index, *point);
}

extern "C" int MQObj_GetVertexRefCount(MQObject obj, int index) {
  const Object* object = theHost.ServedObject(obj);
  if (object == nullptr || !object->HasVertex(index)) return CountReferencesCarefully(obj, index);
  return object->RefCountUnchecked(index);
}

extern "C" std::uint32_t MQObj_GetVisible(MQObject obj) {
  Host& host = Called(__func__, obj);
  Object* object = ObjectOf(host, __func__, obj);
  return object == nullptr ? 0 : object->visible();
}

extern "C" void MQObj_SetVisible(MQObject obj, std::uint32_t visible) {
  Host& host = Called(__func__, obj);
  Object* object = ObjectOf(host, __func__, obj);
  if (object != nullptr) object->SetVisible(visible);
}

extern "C" int MQObj_GetIntValue(MQObject obj, int key) {
  Host& host = Called(__func__, obj, key);
  Object* object = ObjectOf(host, __func__, obj);
  return object == nullptr ? 0 : object->IntValue(key);
}

extern "C" void MQObj_SetIntValue(MQObject obj, int key, int value) {
  Host& host = Called(__func__, obj, key);
  Object* object = ObjectOf(host, __func__, obj);
  if (object == nullptr) return;
  if (key == kObjectValueUniqueID) {
    host.RecordMisuse(__func__, "the unique ID is read-only");
    return;
  }
  object->SetIntValue(key, value);
}

// Every answer of the widget service travels in the out-values of `values`.
extern "C" int MQWidget_Value(int id, int code, void** values) {
  refhost::WidgetService::Instance().Value(id, code, values);
  return 0;
}

#define REFHOST_SERVED(name)
BLENDFORGE_HOST_FUNCTIONS(REFHOST_SERVED, REFHOST_STUB_FUNCTION)
#undef REFHOST_SERVED
