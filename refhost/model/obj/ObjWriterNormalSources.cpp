#include "refhost/model/obj/ObjWriterNormalSources.h"

#include <algorithm>

#include "refhost/text/MessageText.h"

namespace refhost {
namespace {

std::string FaceOf(int face, const Object& object) {
  return "face " + std::to_string(face + 1) + " of " + Quoted(object.name());
}

// Why the faces of `object` cannot be mixed corner for corner with
// `baseFaces`; empty when they can, `normals` then holding the normal that
// each corner names.
std::string Mismatch(const Object& object, const ElementList& baseFaces, long long defined,
                     std::vector<int>& normals) {
  const ElementList& faces = object.faces();
  if (faces.Count() != baseFaces.Count())
    return Quoted(object.name()) + " has " + std::to_string(faces.Count()) +
           (faces.Count() == 1 ? " face" : " faces") + ", not " + std::to_string(baseFaces.Count());
  for (int face = 0; face < faces.Count(); ++face) {
    const ElementList::Corners corners = faces.CornersOf(face);
    const ElementList::Corners baseCorners = baseFaces.CornersOf(face);
    if (corners.size() != baseCorners.size())
      return FaceOf(face, object) + " has " + std::to_string(corners.size()) + " corners, not " +
             std::to_string(baseCorners.size());
    auto baseCorner = baseCorners.begin();
    for (const Corner corner : corners) {
      if (corner.vertex != (*baseCorner).vertex)
        return FaceOf(face, object) + " lies on other vertices than the base's";
      if (corner.normal < 0 || corner.normal >= defined)
        return FaceOf(face, object) + " has no normals";
      normals.push_back(corner.normal);
      ++baseCorner;
    }
  }
  return {};
}

bool AnyNormal(const ElementList& faces) {
  for (int face = 0; face < faces.Count(); ++face)
    for (const Corner corner : faces.CornersOf(face))
      if (corner.normal >= 0) return true;
  return false;
}

// The first object's mismatch, from the base's own (a face without normals)
// on, as the reason; the sources of the normals when there is none.
std::string FindMismatch(const Document& document, const Object& base, const Object& added,
                         const MorphMix& mix, long long defined, ObjNormalSources& sources) {
  const ElementList& baseFaces = base.faces();
  if (std::string reason = Mismatch(base, baseFaces, defined, sources.base); !reason.empty())
    return reason;
  std::vector<int> addedNormals;
  if (std::string reason = Mismatch(added, baseFaces, defined, addedNormals); !reason.empty())
    return reason;
  for (const MixTerm& term : mix.terms) {
    const Object* target = document.FindByUniqueID(term.target);
    if (target == nullptr) continue;
    ObjNormalSources::Term& source = sources.terms.emplace_back();
    source.weight = term.weight;
    if (std::string reason = Mismatch(*target, baseFaces, defined, source.normals); !reason.empty())
      return reason;
  }
  return {};
}

}  // namespace

std::optional<ObjNormalSources> NormalSourcesOf(
    const Document& document, const Object& added, const MorphMix& mix, long long defined,
    const std::function<void(const std::string&)>& note) {
  const Object* base = document.FindByUniqueID(mix.base);
  if (base == nullptr || !AnyNormal(base->faces())) return std::nullopt;
  ObjNormalSources sources;
  const std::string reason = FindMismatch(document, *base, added, mix, defined, sources);
  if (!reason.empty()) {
    if (note)
      note("Object " + Quoted(added.name()) + " keeps the normals of " + Quoted(base->name()) +
           ": " + reason + ".");
    return std::nullopt;
  }
  const bool sharesTheBases =
      std::all_of(sources.terms.begin(), sources.terms.end(),
                  [&](const ObjNormalSources::Term& term) { return term.normals == sources.base; });
  if (sharesTheBases) return std::nullopt;
  return sources;
}

}  // namespace refhost
