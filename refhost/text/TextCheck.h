#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace refhost {

// The most a model file's line may hold. Far more than any real line (a
// name of a megabyte still fits), yet an endless line ends here instead of
// filling the memory.
inline constexpr std::size_t kLongestLine = std::size_t{16} << 20;
inline constexpr const char* kLongLineFlaw = "line is longer than 16 MiB, too long for a model";

// What shows that bytes are no model text, and where it is.
struct TextFlaw {
  std::size_t offset;
  const char* what;
};

// The flaw in the bytes from `from` on, the newest of a text that starts at a
// line's start: a NUL byte, or a last line, not yet ended, longer than
// kLongestLine (its start).
std::optional<TextFlaw> FindTextFlaw(std::string_view text, std::size_t from);

// Checks the bytes from `from` on, the newest of a model's `text` read so
// far, so that a stream shows early what it is: throws ModelFileError naming
// `name` and the line of the flaw that FindTextFlaw finds.
void CheckText(std::string_view text, std::size_t from, const std::string& name);

}  // namespace refhost
