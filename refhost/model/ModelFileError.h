#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace refhost {

// A model file that cannot be read or written. The message names the file
// and, for a flaw in its content, the line: "model.obj:12: what was wrong".
class ModelFileError : public std::runtime_error {
 public:
  ModelFileError(const std::string& file, const std::string& what)
      : std::runtime_error(file + ": " + what) {}
  ModelFileError(const std::string& file, long long line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}
};

// A word of the file quoted in a message, cut to what a reader takes in at a
// glance.
inline std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongestQuote = 40;
  return "'" + std::string(text.substr(0, kLongestQuote)) +
         (text.size() > kLongestQuote ? "...'" : "'");
}

}  // namespace refhost
