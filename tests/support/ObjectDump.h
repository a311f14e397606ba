#pragma once

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "refhost/document/Document.h"

// An object as lines of text that do not depend on its document: numbers as
// the bits of their floats, styles by the names they refer to. Two objects
// with equal dumps hold the same model, whichever documents they are in.
struct ObjectDump {
  std::string name;
  std::vector<std::string> positions;
  std::vector<std::string> extras;
  std::vector<std::string> elements;  // "f 0/1/-1 ... | usemtl skin | g head | s 1"

  bool operator==(const ObjectDump& other) const {
    return name == other.name && positions == other.positions && extras == other.extras &&
           elements == other.elements;
  }
};

inline void PrintTo(const ObjectDump& dump, std::ostream* out) {
  *out << "o " << dump.name << "\n";
  for (const auto* lines : {&dump.positions, &dump.extras, &dump.elements})
    for (const std::string& line : *lines) *out << "  " << line << "\n";
}

inline std::string FloatBits(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return std::to_string(bits);
}

inline std::string StyleText(const refhost::Document& document,
                             const refhost::SurfaceStyle& style) {
  auto named = [](const refhost::NameTable& table, int number) {
    return number < 0 ? std::string("-") : table.Name(number);
  };
  return " | usemtl " + named(document.materials(), style.material) + " | g " +
         named(document.groups(), style.group) + " | s " + std::to_string(style.smoothing);
}

inline std::string ElementText(const refhost::Document& document, refhost::ElementKind kind,
                               const refhost::ElementList& list, int index) {
  std::string text = kind == refhost::ElementKind::Face   ? "f"
                     : kind == refhost::ElementKind::Line ? "l"
                                                          : "p";
  for (refhost::Corner corner : list.CornersOf(index))
    text += " " + std::to_string(corner.vertex) + "/" + std::to_string(corner.texture) + "/" +
            std::to_string(corner.normal);
  return text + StyleText(document, list.StyleOf(index));
}

inline ObjectDump DumpObject(const refhost::Document& document, const refhost::Object& object) {
  ObjectDump dump{object.name(), {}, {}, {}};
  for (int index = 0; index < object.VertexCount(); ++index) {
    const MQPoint& point = object.Vertex(index);
    dump.positions.push_back(FloatBits(point.x) + " " + FloatBits(point.y) + " " +
                             FloatBits(point.z));
    std::string extras;
    const refhost::VertexExtras& vertexExtras = object.Extras(index);
    for (int extra = 0; extra < vertexExtras.count; ++extra)
      extras += " " + FloatBits(vertexExtras.values[extra]);
    dump.extras.push_back(extras);
  }
  for (refhost::ElementKind kind : refhost::kElementKinds) {
    const refhost::ElementList& list = object.elements(kind);
    for (int index = 0; index < list.Count(); ++index)
      dump.elements.push_back(ElementText(document, kind, list, index));
  }
  return dump;
}

// The document's objects in order; empty positions are left out.
inline std::vector<ObjectDump> DumpDocument(const refhost::Document& document) {
  std::vector<ObjectDump> dumps;
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (const refhost::Object* object = document.ObjectAt(index))
      dumps.push_back(DumpObject(document, *object));
  return dumps;
}
