#include "refhost/cli/streams/StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "refhost/cli/CliError.h"
#include "refhost/files/WholeFile.h"

namespace refhost::cli {
namespace {

[[noreturn]] void FailToWrite() {
  throw CliError(std::string("stdout: cannot write: ") + std::strerror(errno));
}

}  // namespace

std::string ReadStandardInput() { return ReadText(stdin, "stdin", 0); }

void WriteStandardOutput(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) FailToWrite();
}

void FlushStandardOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) FailToWrite();
}

}  // namespace refhost::cli
