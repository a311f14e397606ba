#pragma once

// A point or direction in model or view space.
namespace refhost::preview {

struct Vec3 {
  float x = 0;
  float y = 0;
  float z = 0;
};

inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3& operator+=(Vec3& a, Vec3 b) {
  a = {a.x + b.x, a.y + b.y, a.z + b.z};
  return a;
}
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace refhost::preview
