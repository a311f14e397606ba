#include "refhost/cli/PhaseTimes.h"

#include <filesystem>
#include <iomanip>
#include <sstream>

namespace refhost::cli {

PhaseTimes::PhaseTimes(std::ostream* out) : out_(out), start_(std::chrono::steady_clock::now()) {}

void PhaseTimes::Start() { start_ = std::chrono::steady_clock::now(); }

void PhaseTimes::End(const std::string& name, const std::string& details) const {
  if (out_ == nullptr) return;
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start_;
  std::ostringstream line;
  line << name << ' ' << std::fixed << std::setprecision(3) << seconds.count() << " s";
  if (!details.empty()) line << " (" << details << ')';
  *out_ << line.str() << '\n' << std::flush;
}

std::string FileMegabytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  const auto bytes = std::filesystem::file_size(path, error);
  if (error) return {};
  std::ostringstream size;
  size << std::fixed << std::setprecision(1) << static_cast<double>(bytes) / 1e6 << " MB";
  return size.str();
}

}  // namespace refhost::cli
