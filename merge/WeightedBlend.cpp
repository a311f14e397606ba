#include "merge/WeightedBlend.h"

#include "plugin/HostFunctionTable.h"

namespace {

bool SamePosition(const MQPoint& a, const MQPoint& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Each operation rounds to float on its own; the build forbids fused
// multiply-add, so results match a plain float32 reference bit for bit.
float Offset(float position, float basePosition, float targetPosition, float weight) {
  const float difference = targetPosition - basePosition;
  const float scaled = difference * weight;
  return position + scaled;
}

}  // namespace

bool AddWeightedDelta(double weight, const cmq::CMQObject& newObject, const cmq::CMQObject& base,
                      const cmq::CMQObject& target) {
  if (!target.IsValid()) return false;
  const MQObject baseObject = base.object();
  const MQObject targetObject = target.object();
  const MQObject newHostObject = newObject.object();
  const int vertexCount = HOST_FN(MQObj_GetVertexCount)(baseObject);
  // Indexing a shorter or longer target by the base's indices would read
  // another object's vertices, or past them.
  if (HOST_FN(MQObj_GetVertexCount)(targetObject) != vertexCount) return false;

  const auto getRefCount = HOST_FN(MQObj_GetVertexRefCount);
  const auto getVertex = HOST_FN(MQObj_GetVertex);
  const auto setVertex = HOST_FN(MQObj_SetVertex);
  const float w = static_cast<float>(weight);
  for (int index = 0; index < vertexCount; ++index) {
    if (getRefCount(baseObject, index) < 1) continue;
    MQPoint b{};
    MQPoint t{};
    getVertex(baseObject, index, &b);
    getVertex(targetObject, index, &t);
    // A target equal to the base here costs no access to the new object.
    if (SamePosition(b, t)) continue;
    MQPoint p{};
    getVertex(newHostObject, index, &p);
    p.x = Offset(p.x, b.x, t.x, w);
    p.y = Offset(p.y, b.y, t.y, w);
    p.z = Offset(p.z, b.z, t.z, w);
    setVertex(newHostObject, index, &p);
  }
  return true;
}
