#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "refhost/RefhostApi.h"

namespace refhost {

// Distinct names numbered from 0 in the order they were first met, so that
// many elements can name the same material or group with one integer.
class REFHOST_API NameTable {
 public:
  // The name's number, adding the name when it is new.
  int Intern(std::string_view name);
  // Throws std::out_of_range for a number that names nothing.
  const std::string& Name(int number) const;
  int Count() const;

 private:
  std::vector<std::string> names_;
  std::unordered_map<std::string, int> numbers_;
};

}  // namespace refhost
