#pragma once

#include <charconv>
#include <string>
#include <system_error>

namespace refhost::cli {

// The whole text as one number, read the same in every locale.
template <class Number>
bool ParseWholeNumber(const std::string& text, Number& value) {
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(text.data(), last, value);
  return !text.empty() && error == std::errc() && end == last;
}

}  // namespace refhost::cli
