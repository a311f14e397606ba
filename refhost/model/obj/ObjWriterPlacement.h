#pragma once

#include <vector>

#include "refhost/document/Document.h"
#include "refhost/model/obj/ObjFile.h"

namespace refhost {

// Where the document's new objects (those the file did not hold) go among the
// file's statements: entry 0 lists those written before the first statement,
// entry i + 1 those written after statement i, in document order.
//
// A new object follows the object before it in the document, right after
// that object's last vertex or element line: the style in effect there is the
// one its copy ends on, and the lines after it (comments, styles for the next
// object) stay with what they introduce. New objects before any object of the
// file go before the first one. When kept text numbers vertices, every new
// object goes at the end, so that no vertex moves under that text.
std::vector<std::vector<const Object*>> PlaceNewObjects(const Document& document,
                                                        const ObjFile& file);

}  // namespace refhost
