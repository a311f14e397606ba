#pragma once

#include "fuzz/FuzzCheck.h"
#include "refhost/document/Document.h"
#include "refhost/document/FinitePosition.h"

// What every model reader promises of the objects it read, whole file or
// not: no empty position, finite positions, and elements of at least one
// corner that use their own object's vertices.
inline void CheckObjectsRead(const refhost::Document& document) {
  for (int i = 0; i < document.ObjectCount(); ++i) {
    const refhost::Object* object = document.ObjectAt(i);
    Check(object != nullptr, "the reader leaves no empty position");
    Check(refhost::FirstNonFinite(*object) < 0, "every position read is finite");
    for (refhost::ElementKind kind : refhost::kElementKinds) {
      const refhost::ElementList& elements = object->elements(kind);
      for (int element = 0; element < elements.Count(); ++element) {
        Check(elements.CornersOf(element).size() >= 1, "an element has a corner or more");
        for (refhost::Corner corner : elements.CornersOf(element))
          Check(object->HasVertex(corner.vertex), "an element uses its own object's vertices");
      }
    }
  }
}
