#include "refhost/cli/loading/FileBytes.h"

namespace refhost::cli {

bool FileBytes::Matches(std::uint64_t offset, std::string_view bytes) {
  if (Beyond("", offset, bytes.size())) return false;
  std::string read(bytes.size(), '\0');
  in_.clear();
  in_.seekg(static_cast<std::streamoff>(offset));
  return in_.read(read.data(), static_cast<std::streamsize>(read.size())) && read == bytes;
}

std::uint64_t FileBytes::Number(std::uint64_t offset, int width) {
  unsigned char bytes[8] = {};
  if (width > 8 || Beyond("", offset, static_cast<std::uint64_t>(width))) return 0;
  in_.clear();
  in_.seekg(static_cast<std::streamoff>(offset));
  if (!in_.read(reinterpret_cast<char*>(bytes), width)) return 0;
  std::uint64_t number = 0;
  for (int at = width - 1; at >= 0; --at) number = number << 8 | bytes[at];
  return number;
}

std::optional<std::string> FileBytes::Beyond(const std::string& part, std::uint64_t offset,
                                             std::uint64_t length) const {
  if (offset <= size_ && length <= size_ - offset) return std::nullopt;
  const std::string end =
      offset + length < offset ? "beyond any file" : "at byte " + std::to_string(offset + length);
  return "truncated: " + part + " ends " + end + ", past the end of the file (" +
         std::to_string(size_) + " bytes)";
}

std::optional<std::string> ExtentTableFlaw(FileBytes& file, const ExtentTable& table) {
  if (auto beyond = file.Beyond(table.name, table.offset, table.count * table.entrySize))
    return beyond;
  for (std::uint64_t index = 0; index < table.count; ++index) {
    const std::uint64_t entry = table.offset + index * table.entrySize;
    const std::uint64_t start = file.Number(entry + table.offsetAt, table.fieldWidth);
    const std::uint64_t length = file.Number(entry + table.lengthAt, table.fieldWidth);
    if (auto beyond = file.Beyond(table.entry + " " + std::to_string(index), start, length))
      return beyond;
  }
  return std::nullopt;
}

}  // namespace refhost::cli
