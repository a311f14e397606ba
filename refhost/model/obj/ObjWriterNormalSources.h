#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "refhost/document/Document.h"
#include "refhost/document/MorphMix.h"

namespace refhost {

// The file's normals (from 0) that mixing the normals of a new object takes,
// one per face corner, faces and corners in order: the base's, and each held
// target's with its weight.
struct ObjNormalSources {
  struct Term {
    std::vector<int> normals;
    float weight = 0.0f;
  };
  std::vector<int> base;
  std::vector<Term> terms;  // in the mix's order
};

// The sources of `added`'s normals, which `mix` made: there are some where
// the base, `added` and every target of the mix that the document holds have
// the same faces (as many, each with as many corners on the same vertices)
// and every corner of theirs names one of the file's `defined` normals.
//
// None where the base's faces have no normals, or the targets name the
// base's own at every corner, so that the mix's normals are the base's; and
// none where the faces cannot take a mix of normals, which `note` (if set) is
// told in one line.
std::optional<ObjNormalSources> NormalSourcesOf(
    const Document& document, const Object& added, const MorphMix& mix, long long defined,
    const std::function<void(const std::string&)>& note);

}  // namespace refhost
