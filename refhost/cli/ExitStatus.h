#pragma once

namespace refhost::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
// The command ran but changed nothing (cancelled or refused): no file written.
inline constexpr int kExitUnchanged = 2;

}  // namespace refhost::cli
