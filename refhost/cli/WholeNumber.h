#pragma once

#include <charconv>
#include <string>
#include <system_error>

namespace refhost::cli {

// The whole text as one number, read the same in every locale: std::errc()
// when it is one, result_out_of_range for a number the type cannot hold,
// invalid_argument for anything else.
template <class Number>
std::errc ReadWholeNumber(const std::string& text, Number& value) {
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(text.data(), last, value);
  return !text.empty() && end == last ? error : std::errc::invalid_argument;
}

template <class Number>
bool ParseWholeNumber(const std::string& text, Number& value) {
  return ReadWholeNumber(text, value) == std::errc();
}

}  // namespace refhost::cli
