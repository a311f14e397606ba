#include "refhost/cli/StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>

#include "refhost/cli/CliError.h"

namespace refhost::cli {
namespace {

[[noreturn]] void FailToWrite() {
  throw CliError(std::string("stdout: cannot write: ") + std::strerror(errno));
}

}  // namespace

std::string ReadStandardInput() {
  std::ostringstream text;
  if (std::cin.peek() != std::char_traits<char>::eof()) text << std::cin.rdbuf();
  if (std::cin.bad()) throw CliError(std::string("stdin: cannot read: ") + std::strerror(errno));
  return text.str();
}

void WriteStandardOutput(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) FailToWrite();
}

void FlushStandardOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) FailToWrite();
}

}  // namespace refhost::cli
