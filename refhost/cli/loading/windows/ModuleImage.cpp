#include "refhost/cli/loading/ModuleImage.h"

namespace refhost::cli {
namespace {

constexpr std::uint64_t kNewHeaderPointer = 0x3C;
constexpr std::uint64_t kFileHeaderSize = 24;  // "PE\0\0" and the COFF header
constexpr std::uint64_t kSizeOfHeadersAt = 60;
constexpr std::uint64_t kSectionHeaderSize = 40;

}  // namespace

std::optional<std::string> ModuleImageFlaw(FileBytes& file) {
  if (!file.Matches(0, "MZ")) return kNotAModule;
  const std::uint64_t peHeader = file.Number(kNewHeaderPointer, 4);
  if (!file.Matches(peHeader, std::string_view("PE\0\0", 4))) return kNotAModule;
  const std::uint64_t optionalHeader = peHeader + kFileHeaderSize;
  const std::uint64_t optionalHeaderSize = file.Number(peHeader + 20, 2);
  if (auto beyond = file.Beyond("the optional header", optionalHeader, optionalHeaderSize))
    return beyond;
  if (auto beyond =
          file.Beyond("the headers", 0, file.Number(optionalHeader + kSizeOfHeadersAt, 4)))
    return beyond;
  return ExtentTableFlaw(file, {"the section table", "section", optionalHeader + optionalHeaderSize,
                                file.Number(peHeader + 6, 2), kSectionHeaderSize, 4, 20, 16});
}

}  // namespace refhost::cli
