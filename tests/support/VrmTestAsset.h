#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/GltfBuilder.h"

// The two kinds of avatar: the current one (the VRMC_vrm extension) and the
// older one (the VRM extension).
enum class VrmKind { Current, Older };

// The bones an avatar must have, each a node: the hips at the root, the
// spine and the legs below it, the head and the arms below the spine.
inline const std::vector<std::string>& VrmBones() {
  static const std::vector<std::string> bones = {
      "hips",         "spine",         "head",          "leftUpperLeg",  "leftLowerLeg",
      "leftFoot",     "rightUpperLeg", "rightLowerLeg", "rightFoot",     "leftUpperArm",
      "leftLowerArm", "leftHand",      "rightUpperArm", "rightLowerArm", "rightHand"};
  return bones;
}

// Node `bone` of VrmBones: the parent each bone hangs from, as an index into
// the list.
inline refhost::GltfJson VrmBoneNode(std::size_t bone) {
  static const int kParents[] = {-1, 0, 1, 0, 3, 4, 0, 6, 7, 1, 9, 10, 1, 12, 13};
  refhost::GltfJson node = {{"name", VrmBones()[bone]},
                            {"translation", {0, 0.1 * static_cast<double>(bone + 1), 0}}};
  for (std::size_t child = 0; child < VrmBones().size(); ++child)
    if (kParents[child] == static_cast<int>(bone)) node["children"].push_back(child);
  return node;
}

// Where the face mesh shows: two nodes below the head, as an avatar shows
// one face mesh for the eyes and for the mouth.
inline constexpr int kVrmFaceNodes[] = {15, 16};

inline refhost::GltfJson VrmCurrentExtension() {
  refhost::GltfJson bones = refhost::GltfJson::object();
  for (std::size_t bone = 0; bone < VrmBones().size(); ++bone)
    bones[VrmBones()[bone]] = {{"node", bone}};
  const auto bind = [](int target, double weight) {
    return refhost::GltfJson{{"node", kVrmFaceNodes[0]}, {"index", target}, {"weight", weight}};
  };
  return {{"specVersion", "1.0"},
          {"meta",
           {{"name", "Test avatar"},
            {"authors", {"Blendforge tests"}},
            {"licenseUrl", "https://vrm.dev/licenses/1.0/"},
            {"avatarPermission", "onlyAuthor"},
            {"commercialUsage", "personalNonProfit"}}},
          {"humanoid", {{"humanBones", bones}}},
          {"firstPerson", {{"meshAnnotations", {{{"node", kVrmFaceNodes[0]}, {"type", "auto"}}}}}},
          {"expressions",
           {{"preset",
             {{"happy", {{"morphTargetBinds", {bind(0, 1.0)}}}},
              {"blink", {{"morphTargetBinds", {bind(1, 1.0)}}, {"isBinary", true}}}}},
            {"custom", {{"smirk", {{"morphTargetBinds", {bind(0, 0.5)}}}}}}}}};
}

// The older kind's first-person view: the head's bone, and eyes that turn
// by the linear degree maps its exporters write.
inline refhost::GltfJson VrmOlderFirstPerson() {
  refhost::GltfJson view = {{"firstPersonBone", 2},
                            {"meshAnnotations", refhost::GltfJson::array()},
                            {"lookAtTypeName", "Bone"}};
  for (const char* map :
       {"lookAtHorizontalInner", "lookAtHorizontalOuter", "lookAtVerticalDown", "lookAtVerticalUp"})
    view[map] = {{"curve", {0, 0, 0, 1, 1, 1, 1, 0}}, {"xRange", 90}, {"yRange", 10}};
  return view;
}

inline refhost::GltfJson VrmOlderExtension() {
  refhost::GltfJson bones = refhost::GltfJson::array();
  for (std::size_t bone = 0; bone < VrmBones().size(); ++bone)
    bones.push_back({{"bone", VrmBones()[bone]}, {"node", bone}, {"useDefaultValues", true}});
  const auto group = [](const char* name, const char* preset, int target) {
    return refhost::GltfJson{{"name", name},
                             {"presetName", preset},
                             {"binds", {{{"mesh", 0}, {"index", target}, {"weight", 100}}}},
                             {"materialValues", refhost::GltfJson::array()},
                             {"isBinary", false}};
  };
  return {{"exporterVersion", "Blendforge tests"},
          {"specVersion", "0.0"},
          {"meta", {{"title", "Test avatar"}, {"author", "Blendforge tests"}}},
          {"humanoid", {{"humanBones", bones}}},
          {"firstPerson", VrmOlderFirstPerson()},
          {"blendShapeMaster",
           {{"blendShapeGroups",
             {group("Joy", "joy", 0), group("Blink", "blink", 1), group("Smirk", "unknown", 0)}}}},
          {"secondaryAnimation",
           {{"boneGroups", refhost::GltfJson::array()},
            {"colliderGroups", refhost::GltfJson::array()}}},
          {"materialProperties", refhost::GltfJson::array()}};
}

// An avatar of the kind, without textures so that a reader needs no images:
// the bones, and mesh 0 "Face", a quad of two indexed triangles with the
// morph targets "smile" and "blink", shown by both kVrmFaceNodes. Its
// expressions bind those targets: presets of happy and blink, and a custom
// smirk (older kind: groups Joy, Blink and Smirk).
inline GltfBuilder VrmTestAsset(VrmKind kind) {
  GltfBuilder b;
  const int positions =
      b.Points({{-0.1f, 1.5f, 0}, {0.1f, 1.5f, 0}, {0.1f, 1.7f, 0}, {-0.1f, 1.7f, 0}});
  const int indices =
      b.Accessor(b.View(std::vector<std::uint16_t>{0, 1, 2, 0, 2, 3}), 5123, 6, "SCALAR");
  const int smile = b.Points({{-0.02f, 0.01f, 0}, {0.02f, 0.01f, 0}, {0, 0, 0}, {0, 0, 0}});
  const int blink = b.Points({{0, 0, 0}, {0, 0, 0}, {0, -0.05f, 0}, {0, -0.05f, 0}});
  b.Add("meshes", {{"name", "Face"},
                   {"extras", {{"targetNames", {"smile", "blink"}}}},
                   {"primitives",
                    {{{"attributes", {{"POSITION", positions}}},
                      {"indices", indices},
                      {"targets", {{{"POSITION", smile}}, {{"POSITION", blink}}}}}}}});
  for (std::size_t bone = 0; bone < VrmBones().size(); ++bone) b.Add("nodes", VrmBoneNode(bone));
  for (const char* name : {"eyes", "mouth"}) b.Add("nodes", {{"name", name}, {"mesh", 0}});
  b.json["nodes"][2]["children"] = {kVrmFaceNodes[0], kVrmFaceNodes[1]};
  b.json["scene"] = 0;
  b.json["scenes"] = {{{"nodes", {0}}}};
  const char* extension = kind == VrmKind::Current ? "VRMC_vrm" : "VRM";
  b.json["extensionsUsed"] = {extension};
  b.json["extensions"][extension] =
      kind == VrmKind::Current ? VrmCurrentExtension() : VrmOlderExtension();
  b.json["extras"] = {{"pipeline", "test"}};
  return b;
}
