#include "refhost/cli/loading/ModuleImage.h"

namespace refhost::cli {
namespace {

// A 64-bit little-endian ELF file, the only kind this platform's loader takes.
constexpr char kElfIdentity[] =
    "\x7f"
    "ELF\x02\x01";
constexpr std::uint64_t kElfHeaderSize = 64;

}  // namespace

std::optional<std::string> ModuleImageFlaw(FileBytes& file) {
  if (!file.Matches(0, kElfIdentity)) return kNotAModule;
  if (auto beyond = file.Beyond("the ELF header", 0, kElfHeaderSize)) return beyond;
  if (auto flaw =
          ExtentTableFlaw(file, {"the program header table", "segment", file.Number(0x20, 8),
                                 file.Number(0x38, 2), file.Number(0x36, 2), 8, 0x08, 0x20}))
    return flaw;
  return file.Beyond("the section header table", file.Number(0x28, 8),
                     file.Number(0x3C, 2) * file.Number(0x3A, 2));
}

}  // namespace refhost::cli
