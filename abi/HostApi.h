#pragma once

#include <cstdint>

// Types and signatures of the host functions that the plug-in calls. The
// host owns every document and object; the plug-in only stores, compares and
// passes back these opaque references and never frees them.
using MQDocument = struct MQCDocument*;
using MQObject = struct MQCObject*;

struct MQPoint {
  float x;
  float y;
  float z;
};

// Integer properties of an object (MQObj_GetIntValue, MQObj_SetIntValue).
inline constexpr int kObjectValueCopied = 0x101;  // copied from base to new object
inline constexpr int kObjectValueUniqueID = 0x104;

namespace hostapi {
using MQDoc_GetObjectCount = int (*)(MQDocument doc);
using MQDoc_GetObject = MQObject (*)(MQDocument doc, int index);
using MQDoc_GetObjectFromUniqueID = MQObject (*)(MQDocument doc, int uniqueID);
using MQDoc_GetCurrentObjectIndex = int (*)(MQDocument doc);
using MQDoc_GetObjectIndex = int (*)(MQDocument doc, MQObject obj);
using MQDoc_InsertObject = int (*)(MQDocument doc, MQObject obj, MQObject before);
using MQObj_Clone = MQObject (*)(MQObject obj);
using MQObj_GetName = int (*)(MQObject obj, char* buffer, int size);
using MQObj_GetVertexCount = int (*)(MQObject obj);
using MQObj_GetVertex = void (*)(MQObject obj, int index, MQPoint* point);
using MQObj_SetVertex = void (*)(MQObject obj, int index, MQPoint* point);
using MQObj_SetName = int (*)(MQObject obj, const char* name);
using MQObj_GetVertexRefCount = int (*)(MQObject obj, int index);
using MQObj_GetVisible = std::uint32_t (*)(MQObject obj);
using MQObj_SetVisible = void (*)(MQObject obj, std::uint32_t visible);
using MQObj_GetIntValue = int (*)(MQObject obj, int key);
using MQObj_SetIntValue = void (*)(MQObject obj, int key, int value);
// The widget service; all results come back through out-values in `values`.
using MQWidget_Value = int (*)(int id, int code, void** values);
}  // namespace hostapi
