#include "refhost/cli/FiniteResult.h"

#include <cmath>
#include <sstream>

#include "refhost/cli/CliError.h"
#include "refhost/widgets/MessageText.h"

namespace refhost::cli {
namespace {

bool IsFinite(const MQPoint& point) {
  return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// The index of the object's first non-finite position; -1 when all are finite.
int FirstNonFinite(const Object& object) {
  const auto& vertices = object.vertices();
  for (std::size_t index = 0; index < vertices.size(); ++index)
    if (!IsFinite(vertices[index])) return static_cast<int>(index);
  return -1;
}

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
    const MQPoint& point = object.Vertex(vertex);
    std::ostringstream message;
    message << command << ": the result holds a position that is not a finite number: object "
            << Quoted(object.name()) << ", vertex " << vertex + 1 << " is (" << point.x << ", "
            << point.y << ", " << point.z << "); no file was written";
    throw CliError(message.str());
  });
}

}  // namespace refhost::cli
