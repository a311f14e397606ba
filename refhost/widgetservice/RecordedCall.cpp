#include "refhost/widgetservice/RecordedCall.h"

namespace refhost {

bool RecordedCall::Has(const std::string& key) const {
  for (const auto& pair : pairs) {
    if (pair.first == key) return true;
  }
  return false;
}

std::string RecordedCall::Value(const std::string& key) const {
  for (const auto& pair : pairs) {
    if (pair.first == key) return pair.second;
  }
  return {};
}

}  // namespace refhost
