#include "refhost/widgets/WidgetRecord.h"

namespace refhost {

bool WidgetCall::Has(const std::string& key) const {
  for (const auto& pair : pairs) {
    if (pair.first == key) return true;
  }
  return false;
}

std::string WidgetCall::Value(const std::string& key) const {
  for (const auto& pair : pairs) {
    if (pair.first == key) return pair.second;
  }
  return {};
}

}  // namespace refhost
