#include "refhost/ElementList.h"

namespace refhost {

void ElementList::Add(const std::vector<Corner>& corners, const SurfaceStyle& style) {
  for (const Corner& corner : corners) {
    vertices_.push_back(corner.vertex);
    // Most meshes have no texture or normal indices: they cost no call.
    if (corner.texture >= 0 || !textures_.empty()) AddToChannel(textures_, corner.texture);
    if (corner.normal >= 0 || !normals_.empty()) AddToChannel(normals_, corner.normal);
  }
  ends_.push_back(vertices_.size());
  styles_.push_back(style);
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
