#include "refhost/model/obj/ObjWriterPlacement.h"

#include <unordered_map>

namespace refhost {
namespace {

using Kind = ObjStatement::Kind;

bool StartsObject(const ObjStatement& statement) {
  return statement.kind == Kind::NamedObject || statement.kind == Kind::UnnamedObject;
}

// For each object of the file, by unique ID, the slot after its last
// statement that is its own.
std::unordered_map<int, std::size_t> SlotsAfterObjects(const ObjFile& file) {
  std::unordered_map<int, std::size_t> slots;
  int current = 0;
  for (std::size_t index = 0; index < file.statements.size(); ++index) {
    const ObjStatement& statement = file.statements[index];
    if (StartsObject(statement)) current = statement.number;
    const bool owned = StartsObject(statement) || statement.kind == Kind::Vertices ||
                       statement.kind == Kind::Elements;
    if (owned) slots[current] = index + 1;
  }
  return slots;
}

std::size_t SlotBeforeFirstObject(const ObjFile& file) {
  for (std::size_t index = 0; index < file.statements.size(); ++index)
    if (StartsObject(file.statements[index])) return index;
  return file.statements.size();
}

}  // namespace

std::vector<std::vector<const Object*>> PlaceNewObjects(const Document& document,
                                                        const ObjFile& file) {
  std::vector<std::vector<const Object*>> slots(file.statements.size() + 1);
  const std::unordered_map<int, std::size_t> afterObject = SlotsAfterObjects(file);
  std::size_t slot = SlotBeforeFirstObject(file);
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr) continue;
    auto found = afterObject.find(object->uniqueID());
    if (found != afterObject.end()) {
      slot = found->second;
      continue;
    }
    slots[file.textNumbersVertices ? file.statements.size() : slot].push_back(object);
  }
  return slots;
}

}  // namespace refhost
