#include "refhost/cli/streams/Terminal.h"

#include <io.h>
#include <windows.h>

namespace refhost::cli {

// _isatty alone also says yes for NUL and other character devices; only a
// console answers GetConsoleMode.
bool IsTerminal(std::FILE* stream) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace refhost::cli
