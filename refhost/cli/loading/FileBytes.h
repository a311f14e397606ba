#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace refhost::cli {

// Reads the headers of a binary file at their offsets, never past its end.
class FileBytes {
 public:
  FileBytes(std::istream& in, std::uint64_t size) : in_(in), size_(size) {}

  // True when the file holds exactly `bytes` at `offset`.
  bool Matches(std::uint64_t offset, std::string_view bytes);
  // The little-endian number of `width` bytes (at most 8) at `offset`; 0
  // where the file ends before it.
  std::uint64_t Number(std::uint64_t offset, int width);
  // "truncated: PART ends at byte N, past the end of the file (M bytes)" when
  // the `length` bytes at `offset` are not all in the file; nothing when they are.
  std::optional<std::string> Beyond(const std::string& part, std::uint64_t offset,
                                    std::uint64_t length) const;

 private:
  std::istream& in_;
  std::uint64_t size_;
};

// A table whose entries each place a range of the file: ELF's program
// headers, PE's section headers. Each entry holds the range's offset and
// length as `fieldWidth`-byte numbers at `offsetAt` and `lengthAt`.
struct ExtentTable {
  std::string name;   // "the program header table"
  std::string entry;  // "segment"
  std::uint64_t offset;
  std::uint64_t count;
  std::uint64_t entrySize;
  int fieldWidth;
  std::uint64_t offsetAt;
  std::uint64_t lengthAt;
};

// Why the table or one of the ranges it places is not all in the file.
std::optional<std::string> ExtentTableFlaw(FileBytes& file, const ExtentTable& table);

}  // namespace refhost::cli
