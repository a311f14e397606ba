#pragma once

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

// OBJ files shaped the way modelling and scanning tools write them
// (tests/support/models/), each with a base object and a morph target of it,
// and the material libraries they name.
struct RealWorldModel {
  const char* file;
  const char* base;
  const char* target;
  std::vector<const char*> libraries;
};

inline void PrintTo(const RealWorldModel& model, std::ostream* out) { *out << model.file; }

inline const std::vector<RealWorldModel> kRealWorldModels = {
    {"smooth-head.obj", "head", "elem:smile-head", {"smooth-head.mtl"}},
    {"bust_scan.obj", "bust_scan", "elem:bulge-bust_scan", {}},
    {"relative-groups.obj", "torso", "elem:breathe-torso", {}},
    {"wire-hair.obj", "hair", "elem:wind-hair", {}},
    {"switching-materials.obj",
     "car body",
     "elem:dent-car body",
     {"switching-materials.mtl", "extra/trim.mtl"}},
    {"freeform-curve.obj", "panel", "elem:bend-panel", {}},
    {"crlf-plate.obj", "plate", "elem:lift-plate", {}}};

// A test name from the file name: letters and digits only.
inline std::string ModelTestName(const RealWorldModel& model) {
  std::string name;
  for (const char* c = model.file; *c != '.'; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  return name;
}

// Copies the model and its libraries into `folder`, as a user keeps them;
// returns the model's path there.
inline std::filesystem::path CopyModel(const RealWorldModel& model,
                                       const std::filesystem::path& folder) {
  const std::filesystem::path source = std::string(BLENDFORGE_SOURCE_DIR) + "/tests/support/models";
  std::vector<const char*> files = model.libraries;
  files.push_back(model.file);
  for (const char* file : files) {
    std::filesystem::create_directories((folder / file).parent_path());
    TempDir::Write(folder / file, TempDir::Read(source / file));
  }
  return folder / model.file;
}
