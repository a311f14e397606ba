#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/document/Element.h"

namespace refhost {

// Elements of one kind, stored flat: the corners' vertex indices in one array,
// their texture and normal indices in two more (each empty until a corner has
// one), where each element's corners end in another, and the styles as runs
// of elements that share one, since a style is set for many elements at once.
// Adding an element allocates nothing of its own, and copying the list is a
// few array copies.
class REFHOST_API ElementList {
 public:
  // The corners of one element, for range-for.
  class Corners {
   public:
    class Iterator {
     public:
      Iterator(const ElementList& list, std::size_t at) : list_(&list), at_(at) {}
      Corner operator*() const { return list_->CornerAt(at_); }
      Iterator& operator++() {
        ++at_;
        return *this;
      }
      bool operator!=(const Iterator& other) const { return at_ != other.at_; }

     private:
      const ElementList* list_;
      std::size_t at_;
    };

    Corners(const ElementList& list, std::size_t first, std::size_t last)
        : list_(list), first_(first), last_(last) {}
    Iterator begin() const { return {list_, first_}; }
    Iterator end() const { return {list_, last_}; }
    std::size_t size() const { return last_ - first_; }

   private:
    const ElementList& list_;
    std::size_t first_;
    std::size_t last_;
  };

  int Count() const { return static_cast<int>(ends_.size()); }
  // Element indices are not checked: the caller keeps them below Count().
  Corners CornersOf(int element) const {
    return {*this, element == 0 ? 0 : ends_[element - 1], ends_[element]};
  }
  const SurfaceStyle& StyleOf(int element) const;

  // Throws std::length_error, adding nothing, when the list would hold more
  // corners than 32 bits count.
  void Add(const std::vector<Corner>& corners, const SurfaceStyle& style);
  // Makes room for `elements` more elements with `corners` corners in all.
  void Reserve(std::size_t elements, std::size_t corners);

 private:
  Corner CornerAt(std::size_t at) const {
    return {vertices_[at], textures_.empty() ? -1 : textures_[at],
            normals_.empty() ? -1 : normals_[at]};
  }
  void AddToChannel(std::vector<int>& channel, int index);

  static constexpr std::size_t kMostCorners = UINT32_MAX;

  struct StyleRun {
    std::uint32_t first;  // element
    SurfaceStyle style;
  };

  std::vector<int> vertices_;
  std::vector<int> textures_;
  std::vector<int> normals_;
  std::vector<std::uint32_t> ends_;
  std::vector<StyleRun> styles_;
};

}  // namespace refhost
