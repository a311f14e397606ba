#include "refhost/model/obj/ObjTokens.h"

namespace refhost {
namespace {

std::string_view TrimmedEnd(std::string_view text) {
  while (!text.empty() && IsObjBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string_view ObjTokens::TakeComment(std::size_t start) {
  comment_ = TrimmedEnd(line_.substr(start));
  position_ = line_.size();
  return {};
}

std::string_view ObjTokens::Rest() const {
  std::size_t start = position_;
  while (start < line_.size() && IsObjBlank(line_[start])) ++start;
  return TrimmedEnd(line_.substr(start));
}

std::string_view ObjTokens::RemainingWords() {
  const std::string_view first = Next();
  if (first.empty()) return {};
  std::string_view last = first;
  for (std::string_view word = Next(); !word.empty(); word = Next()) last = word;
  return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

}  // namespace refhost
