#pragma once

#include <string>
#include <string_view>

namespace refhost::cli {

// "-": stdin where a file is read, stdout where one is written.
inline constexpr const char* kStandardStream = "-";

// Everything on stdin, read to its end as ReadText reads a model.
std::string ReadStandardInput();

// CliError when the bytes cannot be written to stdout.
void WriteStandardOutput(std::string_view bytes);

// Flushes stdout; CliError when anything written to it did not arrive, so
// that a report lost to a full disk or a closed pipe is not a success.
void FlushStandardOutput();

}  // namespace refhost::cli
