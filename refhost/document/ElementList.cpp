#include "refhost/document/ElementList.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace refhost {

const SurfaceStyle& ElementList::StyleOf(int element) const {
  const auto after =
      std::upper_bound(styles_.begin(), styles_.end(), static_cast<std::uint32_t>(element),
                       [](std::uint32_t index, const StyleRun& run) { return index < run.first; });
  return std::prev(after)->style;
}

void ElementList::Add(const std::vector<Corner>& corners, const SurfaceStyle& style) {
  if (corners.size() > kMostCorners - vertices_.size())
    throw std::length_error("an object's elements have more corners than can be kept");
  for (const Corner& corner : corners) {
    vertices_.push_back(corner.vertex);
    // Most meshes have no texture or normal indices: they cost no call.
    if (corner.texture >= 0 || !textures_.empty()) AddToChannel(textures_, corner.texture);
    if (corner.normal >= 0 || !normals_.empty()) AddToChannel(normals_, corner.normal);
  }
  ends_.push_back(static_cast<std::uint32_t>(vertices_.size()));
  if (styles_.empty() || styles_.back().style != style)
    styles_.push_back({static_cast<std::uint32_t>(ends_.size() - 1), style});
}

void ElementList::Reserve(std::size_t elements, std::size_t corners) {
  vertices_.reserve(vertices_.size() + corners);
  ends_.reserve(ends_.size() + elements);
}

// Called after the corner's vertex is in, so that a channel that starts here
// gets "none" for every corner before it.
void ElementList::AddToChannel(std::vector<int>& channel, int index) {
  if (channel.empty()) {
    if (index < 0) return;
    channel.assign(vertices_.size() - 1, -1);
  }
  channel.push_back(index);
}

}  // namespace refhost
