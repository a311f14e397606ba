#include "refhost/cli/FiniteResult.h"

#include "refhost/cli/CliError.h"
#include "refhost/document/FinitePosition.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

template <class Visit>
void ForEachObject(const Document& document, Visit visit) {
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (const Object* object = document.ObjectAt(index)) visit(*object);
}

}  // namespace

std::unordered_set<const Object*> ObjectsWithNonFinitePositions(const Document& document) {
  std::unordered_set<const Object*> objects;
  ForEachObject(document, [&](const Object& object) {
    if (FirstNonFinite(object) >= 0) objects.insert(&object);
  });
  return objects;
}

void RequireFinitePositions(const Document& document,
                            const std::unordered_set<const Object*>& excused,
                            const std::string& command) {
  ForEachObject(document, [&](const Object& object) {
    const int vertex = excused.count(&object) != 0 ? -1 : FirstNonFinite(object);
    if (vertex < 0) return;
    throw CliError(command + ": the result holds a position that is not a finite number: object " +
                   Quoted(object.name()) + ", " + VertexText(object, vertex) +
                   "; no file was written");
  });
}

}  // namespace refhost::cli
