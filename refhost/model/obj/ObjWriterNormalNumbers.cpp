#include "refhost/model/obj/ObjWriterNormalNumbers.h"

#include <algorithm>

namespace refhost {

std::uint64_t ObjWriterNormalNumbers::AddOwnNormals(std::uint64_t count) {
  const std::uint64_t first = static_cast<std::uint64_t>(fileNormals_) + ownNormals_ + 1;
  ownNormals_ += count;
  insertions_.push_back({fileNormals_, ownNormals_});
  return first;
}

// Insertions are written in order, so their counts of the file's normals
// before them only grow.
std::uint64_t ObjWriterNormalNumbers::OwnNormalsBefore(int index) const {
  const auto after =
      std::upper_bound(insertions_.begin(), insertions_.end(), static_cast<long long>(index),
                       [](long long normal, const Insertion& insertion) {
                         return normal < insertion.fileNormalsBefore;
                       });
  return after == insertions_.begin() ? 0 : std::prev(after)->ownNormalsSoFar;
}

}  // namespace refhost
