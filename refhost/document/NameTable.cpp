#include "refhost/document/NameTable.h"

namespace refhost {

int NameTable::Intern(std::string_view name) {
  auto [found, added] = numbers_.emplace(std::string(name), Count());
  if (added) names_.push_back(found->first);
  return found->second;
}

const std::string& NameTable::Name(int number) const { return names_.at(number); }

int NameTable::Count() const { return static_cast<int>(names_.size()); }

}  // namespace refhost
