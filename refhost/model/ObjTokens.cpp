#include "refhost/model/ObjTokens.h"

namespace refhost {

std::string_view ObjTokens::Next() {
  while (position_ < line_.size() && IsObjBlank(line_[position_])) ++position_;
  std::size_t start = position_;
  while (position_ < line_.size() && !IsObjBlank(line_[position_])) ++position_;
  std::string_view word = line_.substr(start, position_ - start);
  if (!word.empty() && word.front() == '#') {
    position_ = line_.size();
    return {};
  }
  return word;
}

std::string_view ObjTokens::Rest() const {
  std::size_t start = position_;
  std::size_t end = line_.size();
  while (start < end && IsObjBlank(line_[start])) ++start;
  while (end > start && IsObjBlank(line_[end - 1])) --end;
  return line_.substr(start, end - start);
}

}  // namespace refhost
