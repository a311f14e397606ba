#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace refhost {

// The most a model file's line may hold. Far more than any real line (a
// name of a megabyte still fits), yet an endless line ends here instead of
// filling the memory.
inline constexpr std::size_t kLongestLine = std::size_t{16} << 20;
inline constexpr const char* kLongLineFlaw = "line is longer than 16 MiB, too long for a model";

// Checks the bytes from `from` on, the newest of a model's `text` read so
// far, so that a stream shows early what it is: throws ModelFileError naming
// `name` and the line when they hold a NUL byte, or when the text's last
// line, not yet ended, is longer than kLongestLine.
void CheckText(std::string_view text, std::size_t from, const std::string& name);

}  // namespace refhost
