#pragma once

namespace refhost {

// What an object holds besides its vertices: polygons, polylines and point
// sets, each a list of corners.
enum class ElementKind { Face, Line, Point };
inline constexpr ElementKind kElementKinds[] = {ElementKind::Face, ElementKind::Line,
                                                ElementKind::Point};

inline const char* NounOf(ElementKind kind) {
  static constexpr const char* kNouns[] = {"face", "line", "point"};
  return kNouns[static_cast<int>(kind)];
}

// One corner of an element. Texture coordinates and normals belong to the
// model file, not to the document: a corner names them in the file's own
// numbering (from 0), so that a copy of the object uses the same ones.
struct Corner {
  int vertex = 0;    // index into the object's vertices
  int texture = -1;  // -1: none
  int normal = -1;   // -1: none
};

// How an element's surface is drawn: the material and the group as indices
// into the document's name tables (-1: none, and the default group), and the
// smoothing group (0: off).
struct SurfaceStyle {
  int material = -1;
  int group = -1;
  int smoothing = 0;

  bool operator==(const SurfaceStyle& other) const {
    return material == other.material && group == other.group && smoothing == other.smoothing;
  }
  bool operator!=(const SurfaceStyle& other) const { return !(*this == other); }
};

}  // namespace refhost
