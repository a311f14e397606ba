#pragma once

#include <string>
#include <unordered_set>

#include "refhost/document/Document.h"

namespace refhost::cli {

// The document's objects that hold a position with an infinite or NaN
// coordinate.
std::unordered_set<const Object*> ObjectsWithNonFinitePositions(const Document& document);

// CliError led by `command`, naming the first object outside `excused` that
// holds a non-finite position and its first such vertex: such a result must
// not be written, since other tools cannot read it.
void RequireFinitePositions(const Document& document,
                            const std::unordered_set<const Object*>& excused,
                            const std::string& command);

}  // namespace refhost::cli
