#pragma once

#include <optional>
#include <string>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/document/Document.h"
#include "refhost/model/obj/ObjFile.h"

namespace refhost {

// The normals of its own that a new object gets in an OBJ output when the
// document noted the mix that made it, so that it shades as the mix it shows
// rather than as its base: at each face corner
// normalize(n0 + w1·(n1 − n0) + w2·(n2 − n0) + ...), of the base's normal n0
// and the held targets' n1, n2, ... with their weights, term after term, each
// operation rounded to float, and divided by its float length
// sqrt(x² + y² + z²). A corner whose mix has no such length (its normals
// cancel, or are too small or too large to square) keeps the base's normal.
class ObjWriterMixedNormals {
 public:
  // `outputName` names the output in errors and `file.notes` is told why a
  // mixed object keeps its base's normals (see NormalSourcesOf).
  ObjWriterMixedNormals(const Document& document, const ObjFile& file,
                        const std::string& outputName);

  // One normal per face corner of `added`, faces and corners in order; none
  // where no mix was noted or NormalSourcesOf finds no sources.
  std::optional<std::vector<MQPoint>> Of(const Object& added);

 private:
  const Document& document_;
  const ObjFile& file_;
  const std::string& outputName_;
  std::optional<std::vector<MQPoint>> fileNormals_;  // read when first needed
};

}  // namespace refhost
