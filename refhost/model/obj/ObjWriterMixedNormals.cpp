#include "refhost/model/obj/ObjWriterMixedNormals.h"

#include <cmath>

#include "refhost/model/obj/ObjWriterNormalSources.h"
#include "refhost/model/obj/ObjWriterNormalValues.h"

namespace refhost {
namespace {

// sum + weight × (target − base).
MQPoint AddTerm(const MQPoint& sum, const MQPoint& base, const MQPoint& target, float weight) {
  return {sum.x + weight * (target.x - base.x), sum.y + weight * (target.y - base.y),
          sum.z + weight * (target.z - base.z)};
}

MQPoint NormalizedOr(const MQPoint& mixed, const MQPoint& base) {
  const float length = std::sqrt(mixed.x * mixed.x + mixed.y * mixed.y + mixed.z * mixed.z);
  if (!(length > 0.0f) || !std::isfinite(length)) return base;
  return {mixed.x / length, mixed.y / length, mixed.z / length};
}

std::vector<MQPoint> Mixed(const ObjNormalSources& sources, const std::vector<MQPoint>& values) {
  std::vector<MQPoint> mixed(sources.base.size());
  for (std::size_t corner = 0; corner < mixed.size(); ++corner) {
    const MQPoint& base = values[static_cast<std::size_t>(sources.base[corner])];
    MQPoint sum = base;
    for (const ObjNormalSources::Term& term : sources.terms)
      sum = AddTerm(sum, base, values[static_cast<std::size_t>(term.normals[corner])], term.weight);
    mixed[corner] = NormalizedOr(sum, base);
  }
  return mixed;
}

}  // namespace

ObjWriterMixedNormals::ObjWriterMixedNormals(const Document& document, const ObjFile& file,
                                             const std::string& outputName)
    : document_(document), file_(file), outputName_(outputName) {}

std::optional<std::vector<MQPoint>> ObjWriterMixedNormals::Of(const Object& added) {
  const MorphMix* mix = document_.MixOf(added.uniqueID());
  if (mix == nullptr) return std::nullopt;
  const auto sources = NormalSourcesOf(document_, added, *mix, file_.normals, file_.notes);
  if (!sources) return std::nullopt;
  if (!fileNormals_) fileNormals_ = NormalValuesOf(file_, outputName_);
  return Mixed(*sources, *fileNormals_);
}

}  // namespace refhost
