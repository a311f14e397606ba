#pragma once

#include <cstdint>
#include <vector>

namespace refhost {

// The numbers of an OBJ output's vn lines, where new objects write normals of
// their own between the file's: each of the file's normals is numbered after
// all the new ones written before it, so that every reference to it, made
// absolute or relative in the input, still finds it.
class ObjWriterNormalNumbers {
 public:
  // The file's next `count` vn lines are written.
  void PassFileNormals(int count) { fileNormals_ += count; }

  // `count` vn lines of a new object are written now; returns the number of
  // the first.
  std::uint64_t AddOwnNormals(std::uint64_t count);

  // The number in the output of the file's normal `index` (from 0), which is
  // written already: the reader lets a corner name only normals before it.
  std::uint64_t NumberOf(int index) const {
    const auto number = static_cast<std::uint64_t>(index) + 1;
    return insertions_.empty() ? number : number + OwnNormalsBefore(index);
  }

 private:
  struct Insertion {
    long long fileNormalsBefore;
    std::uint64_t ownNormalsSoFar;  // this insertion's included
  };

  std::uint64_t OwnNormalsBefore(int index) const;

  long long fileNormals_ = 0;
  std::uint64_t ownNormals_ = 0;
  std::vector<Insertion> insertions_;  // in writing order
};

}  // namespace refhost
