#include "refhost/model/obj/ObjReaderReferences.h"

#include "refhost/model/obj/ObjReaderNumbers.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

// The corner's parts between slashes; 4 when there are too many.
int SplitCorner(std::string_view word, std::string_view (&parts)[3]) {
  int count = 0;
  for (;;) {
    std::size_t slash = word.find('/');
    if (count == 3) return 4;
    parts[count++] = word.substr(0, slash);
    if (slash == std::string_view::npos) return count;
    word.remove_prefix(slash + 1);
  }
}

}  // namespace

void ObjReaderReferences::StartObject(const std::string& name) {
  objectName_ = &name;
  vertices_.objectStart = vertices_.defined;
}

Corner ObjReaderReferences::ReadCorner(std::string_view word, ElementKind kind) const {
  std::string_view parts[3];
  int count = SplitCorner(word, parts);
  long long normal = 0;
  bool wellFormed = count == 1 || (count == 2 && !parts[1].empty()) ||
                    (count == 3 && ParseInteger(parts[2], normal));
  if (!wellFormed)
    position_.Fail(std::string("malformed ") + NounOf(kind) + " corner " + Quoted(word));
  Corner corner;
  corner.vertex = Resolve(parts[0], vertices_, word, kind);
  if (count > 1 && !parts[1].empty())
    corner.texture = Resolve(parts[1], textureCoords_, word, kind);
  if (count == 3) corner.normal = Resolve(parts[2], normals_, word, kind);
  return corner;
}

int ObjReaderReferences::Resolve(std::string_view number, const Numbering& numbering,
                                 std::string_view corner, ElementKind kind) const {
  long long reference = 0;
  if (!ParseInteger(number, reference))
    position_.Fail(std::string("malformed ") + NounOf(kind) + " corner " + Quoted(corner));
  int index = 0;
  if (!numbering.Find(reference, index)) FailReference(number, reference, numbering, kind);
  return index;
}

void ObjReaderReferences::FailReference(std::string_view number, long long reference,
                                        const Numbering& numbering, ElementKind kind) const {
  const std::string noun = NounOf(kind);
  if (reference == 0)
    position_.Fail(noun + " refers to " + numbering.noun + " 0, but OBJ counts from 1");
  const std::string referred = std::string(numbering.noun) + " " + std::string(number);
  const bool defined =
      reference > 0 ? reference <= numbering.defined : -reference <= numbering.defined;
  if (!defined) {
    const std::string count =
        numbering.defined == 1
            ? std::string("1 ") + numbering.noun + " is defined"
            : std::to_string(numbering.defined) + " " + numbering.plural + " are defined";
    position_.Fail(noun + " refers to " + referred + ", but only " + count);
  }
  position_.Fail(noun + " of object " + Quoted(*objectName_) + " refers to " + referred +
                 ", which belongs to an earlier object");
}

}  // namespace refhost
