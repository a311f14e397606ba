#include "refhost/cli/batch/ChildProcess.h"

#include <windows.h>

#include <cstdio>

#include "platform/TextCodec.h"
#include "refhost/cli/CliError.h"

namespace refhost::cli {

// Named, not anonymous: ChildProcess::Running holds handles, and a member
// of a class with linkage must not be of an internal type.
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

namespace {

std::string SystemMessage(DWORD error) {
  char text[256] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                 text, sizeof text, nullptr);
  std::string message(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == '.' || message.back() == ' '))
    message.pop_back();
  return message;
}

Handle Inheritable(HANDLE handle, const char* what) {
  if (handle == INVALID_HANDLE_VALUE)
    throw CliError(std::string("cannot open ") + what +
                   " for a worker process: " + SystemMessage(GetLastError()));
  return Handle(handle);
}

SECURITY_ATTRIBUTES InheritedByChildren() {
  SECURITY_ATTRIBUTES attributes{};
  attributes.nLength = sizeof attributes;
  attributes.bInheritHandle = TRUE;
  return attributes;
}

// A file in the temporary folder that the system deletes once the last
// handle to it closes, so that no capture outlives the run.
Handle NewCapture() {
  wchar_t folder[MAX_PATH + 1];
  wchar_t name[MAX_PATH + 1];
  if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"rh", 0, name) == 0)
    throw CliError("cannot make a scratch file for a worker's output: " +
                   SystemMessage(GetLastError()));
  SECURITY_ATTRIBUTES inherited = InheritedByChildren();
  return Inheritable(
      CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr),
      "a scratch file");
}

std::string ReadCapture(HANDLE capture) {
  std::string text;
  SetFilePointer(capture, 0, nullptr, FILE_BEGIN);
  char block[4096];
  DWORD read = 0;
  while (ReadFile(capture, block, sizeof block, &read, nullptr) && read > 0)
    text.append(block, read);
  return text;
}

// One argument as the C runtime's parser reads it back: in double quotes,
// with the backslashes before a quote (and before the closing one) doubled.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::wstring Wide(const std::string& text) {
  const auto wide = platform::DecodeMultiByte(text);
  if (!wide) throw CliError("an argument for a worker process is not in the system's encoding");
  return std::wstring(wide->begin(), wide->end());
}

std::wstring CommandLine(const std::vector<std::string>& arguments) {
  std::wstring line = L"refhost";
  for (const std::string& argument : arguments) line += L" " + Quoted(Wide(argument));
  return line;
}

std::wstring ThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      throw CliError("cannot find this program's file: " + SystemMessage(GetLastError()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

struct ChildProcess::Running {
  Handle out = NewCapture();
  Handle err = NewCapture();
  Handle process;
};

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
    : running_(std::make_unique<Running>()) {
  SECURITY_ATTRIBUTES inherited = InheritedByChildren();
  const Handle input(
      Inheritable(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                              OPEN_EXISTING, 0, nullptr),
                  "the null device"));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = running_->out.get();
  startup.hStdError = running_->err.get();
  PROCESS_INFORMATION process{};
  std::wstring line = CommandLine(arguments);
  if (!CreateProcessW(ThisProgram().c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process))
    throw CliError("cannot start a worker process: " + SystemMessage(GetLastError()));
  CloseHandle(process.hThread);
  running_->process.reset(process.hProcess);
}

ChildProcess::~ChildProcess() {
  if (running_ && running_->process) WaitForSingleObject(running_->process.get(), INFINITE);
}

ChildOutcome ChildProcess::Finish() {
  WaitForSingleObject(running_->process.get(), INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(running_->process.get(), &status);
  ChildOutcome outcome;
  // Exit statuses of that size are the system's codes for an exception
  // that ended the process, such as 0xC0000005 for an access violation.
  if (status >= 0xC0000000) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
    outcome.crash = std::string("exception ") + code;
  } else {
    outcome.exitStatus = static_cast<int>(status);
  }
  outcome.out = ReadCapture(running_->out.get());
  outcome.err = ReadCapture(running_->err.get());
  return outcome;
}

std::size_t AwaitAny(const std::vector<std::unique_ptr<ChildProcess>>& children) {
  std::vector<HANDLE> processes;
  processes.reserve(children.size());
  for (const auto& child : children) processes.push_back(child->running_->process.get());
  const DWORD ended = WaitForMultipleObjects(static_cast<DWORD>(processes.size()), processes.data(),
                                             FALSE, INFINITE);
  return ended < WAIT_OBJECT_0 + processes.size() ? ended - WAIT_OBJECT_0 : 0;
}

}  // namespace refhost::cli
